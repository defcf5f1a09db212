#pragma once
// The staff call's bell on the kiosk itself. There is no sound library in the terminal: the bell is
// the display server's own (QApplication::beep(), heard where the platform has one, as under X) and
// a short chime said by the speech engine on the kiosk's speaker, which is heard under cage too,
// whether or not the customer has voice guidance on.
#include "access/staff_call.h"

namespace sumbrel::access {

class SpeakerBell : public StaffBell {
protected:
    void ring() override;
};

}  // namespace sumbrel::access
