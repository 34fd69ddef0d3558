#include "tests/support/RecordingResponder.h"

BoxAnswer RecordingResponder::Box(const BoxRequest& request) {
    boxes_.push_back(request);
    if (!answers_.empty()) {
        BoxScript script = std::move(answers_.front());
        answers_.pop_front();
        return script(request);
    }
    if (request.kind == BoxRequest::Kind::Input)
        return {mrOk, request.defaultValue};
    if (request.kind == BoxRequest::Kind::OpenFile || request.kind == BoxRequest::Kind::SaveFile)
        return {mrCancel, {}};
    return {request.buttons == BoxButtons::YesNo || request.buttons == BoxButtons::YesNoCancel
                ? mrYes
                : mrOk,
            {}};
}

int RecordingResponder::Modal(TForm& form) {
    ++modalCount_;
    if (scripts_.empty())
        return mrCancel;
    FormScript script = std::move(scripts_.front());
    scripts_.pop_front();
    form.show();
    int result = script(form);
    form.hide();
    return result;
}

std::vector<AnsiString> RecordingResponder::Texts() const {
    std::vector<AnsiString> texts;
    for (const auto& b : boxes_)
        texts.push_back(b.text);
    return texts;
}
