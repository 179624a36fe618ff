// Message boxes and questions, and closing the window: what is kept, and asked, on the way
// out.
#include <QCloseEvent>
#include <QMessageBox>
#include <QTimer>

#include "message_text.h"
#include "trainer_mainform.h"

namespace vellorin {

void TrainerMainform::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vellorin"), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);  // a file name is shown as it is, never as markup
    if (text == StartErrorMessage()) {
        // Below the refusal's own words: which field, and why.
        box.setInformativeText(SessionPlan(*this).StartRefusalDetail());
    }
    box.exec();
}

void TrainerMainform::ShowInformation(const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Vellorin"), text, QMessageBox::Ok,
                    this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool TrainerMainform::Confirm(const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Vellorin"), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    box.setTextFormat(Qt::PlainText);
    if (closing_) {
        closeQuestion_ = &box;
    }
    const int answer = box.exec();
    closeQuestion_ = nullptr;
    return answer == QMessageBox::Yes;
}

void TrainerMainform::closeEvent(QCloseEvent* event) {
    const bool running = secondsTimer_->isActive();  // from Start to the end tick or Reset
    const QString question = pbTest_.Running()
                                 ? tr("A personal-best test is running. Close Vellorin and end it?")
                                 : tr("A session is running. Close Vellorin and end it?");
    closing_ = true;
    const bool close = !running || closingWithoutAsking_ || Confirm(question) ||
                       closingWithoutAsking_;  // a signal came while it asked
    closing_ = false;
    if (!close) {
        event->ignore();
        return;
    }
    if (sleepInhibitor_) {
        sleepInhibitor_->SetInhibited(false);
    }
    if (pbTest_.Running()) {
        FinishPbTest(true);  // the attempt under way is kept as it stands
    }
    if (const std::optional<SessionRecord> unfinished = recorder_.Close()) {
        KeepInLog(*unfinished);  // the hold under way as the window closes
    }
    logKeeper_.Flush();
    if (const QString problem = logKeeper_.TakeProblem(); !problem.isEmpty()) {
        if (closingWithoutAsking_) {
            qWarning().noquote() << Printable(problem);  // nobody is there to answer a box
        } else {
            ShowMessage(problem);
        }
    }
    if (!LightsOut() && !isMaximized() && !isFullScreen()) {
        if (const QString failure = Settings().SetValue(QStringLiteral("window/size"), size());
            !failure.isEmpty()) {
            qWarning().noquote() << failure;  // the window is going: no box to answer
        }
    }
    QWidget::closeEvent(event);
}

void TrainerMainform::CloseWithoutAsking() {
    closingWithoutAsking_ = true;
    close();
}

}  // namespace vellorin
