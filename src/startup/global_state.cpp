#include "startup/global_state.h"

namespace sumbrel {

GlobalState& gs()
{
    static GlobalState state;
    return state;
}

QString programPath(const QString& name)
{
    return gs().programFolder + u'/' + name;
}

QString configFilePath()
{
    return programPath(QStringLiteral("Mirdal.cfg"));
}

}  // namespace sumbrel
