// Answers every box and modal form of the code under test, and records what
// was asked. Answers are taken from queues; a box without a queued answer
// gets OK (Yes for questions), an input box its default, an open-file or
// save-file dialog Cancel, a modal form without a script mrCancel.
#pragma once

#include "platform/core/Dialogs.h"
#include "platform/widgets/Forms.h"

#include <deque>
#include <functional>
#include <vector>

class RecordingResponder : public DialogResponder {
public:
    using FormScript = std::function<int(TForm&)>;
    using BoxScript = std::function<BoxAnswer(const BoxRequest&)>;

    RecordingResponder() { Dialogs::SetResponder(this); }
    ~RecordingResponder() override { Dialogs::ResetResponder(); }

    void QueueAnswer(int result) { QueueBox(Fixed({result, {}})); }
    void QueueInput(const AnsiString& text, int result = mrOk) { QueueBox(Fixed({result, text})); }
    // A file dialog's answer: the file picked or chosen.
    void QueuePath(const QString& path, int result = mrOk) { QueueBox(Fixed({result, {}, path})); }
    // A save-file dialog confirmed on the file it suggests.
    void QueueSuggestedPath() {
        QueueBox([](const BoxRequest& r) { return BoxAnswer{mrOk, {}, r.path}; });
    }
    // The script runs while the box is open (as whatever the box's modal
    // loop would run) and gives the box's answer.
    void QueueBox(BoxScript script) { answers_.push_back(std::move(script)); }
    // The script drives the form (shown offscreen) and returns its modal result.
    void QueueForm(FormScript script) { scripts_.push_back(std::move(script)); }

    BoxAnswer Box(const BoxRequest& request) override;
    int Modal(TForm& form) override;

    const std::vector<BoxRequest>& Boxes() const { return boxes_; }
    std::vector<AnsiString> Texts() const;
    int ModalCount() const { return modalCount_; }
    void Clear() { boxes_.clear(); }

private:
    static BoxScript Fixed(BoxAnswer answer) {
        return [answer](const BoxRequest&) { return answer; };
    }

    std::deque<BoxScript> answers_;
    std::deque<FormScript> scripts_;
    std::vector<BoxRequest> boxes_;
    int modalCount_ = 0;
};
