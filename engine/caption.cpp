#include "caption.h"

#include <QCoreApplication>

#include "allgemein.h"

namespace vellorin {

QString CaptionText(const Caption& caption) {
    using Kind = Caption::Kind;
    switch (caption.kind) {
        case Kind::Clock:
            return FormatSeconds(caption.number);
        case Kind::Loop:
            //: The loop display; %1 is the round under way. Must stay short.
            return QCoreApplication::translate("Caption", "Loop %1").arg(caption.number);
        case Kind::Intro:
            //: The phase display: the breathe-up before the first hold. Must stay short.
            return QCoreApplication::translate("Caption", "Intro");
        case Kind::Hold:
            //: The phase display: the breath is held (a noun, the phase). Must stay short.
            return QCoreApplication::translate("Caption", "Hold");
        case Kind::Rest:
            //: The phase display: breathing between two holds. Must stay short.
            return QCoreApplication::translate("Caption", "Rest");
        case Kind::End:
            //: The phase display once the session or the test is over. Must stay short.
            return QCoreApplication::translate("Caption", "End!");
        case Kind::PbTest:
            //: The loop display during a personal-best test. Must stay short.
            return QCoreApplication::translate("Caption", "PB test");
        case Kind::Start:
            //: The button that starts a session.
            return QCoreApplication::translate("Caption", "Start");
        case Kind::Reset:
            //: The button that stops a session and sets it back to its start.
            return QCoreApplication::translate("Caption", "Reset");
        case Kind::Pause:
            return QCoreApplication::translate("Caption", "Pause");
        case Kind::Resume:
            return QCoreApplication::translate("Caption", "Resume");
    }
    return {};
}

}  // namespace vellorin
