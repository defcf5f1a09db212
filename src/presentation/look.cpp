#include "presentation/look.h"

#include <QString>

namespace sumbrel {

namespace {
Look& TheLook()
{
    static Look look;
    return look;
}
}  // namespace

const Look& CurrentLook()
{
    return TheLook();
}

void SetLook(const Look& look)
{
    TheLook() = look;
}

QString CssColour(const QColor& colour)
{
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha());
}

}  // namespace sumbrel
