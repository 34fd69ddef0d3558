// A form a test makes and publishes through the global the program reaches
// it by (frmMain, frmTask...), as the program's start-up does. reset() takes
// the global back before the form goes, so no handler finds a dangling one.
#pragma once

#include <memory>

template <class Form> class PublishedForm {
public:
    explicit PublishedForm(Form*& global) : global_(global) {}
    PublishedForm(const PublishedForm&) = delete;
    PublishedForm& operator=(const PublishedForm&) = delete;
    ~PublishedForm() { reset(); }

    // Makes the form and points the global at it.
    void make() {
        reset();
        form_ = std::make_unique<Form>();
        global_ = form_.get();
    }
    // Clears the global where it still names this form, then deletes the form.
    void reset() {
        if (global_ == form_.get())
            global_ = nullptr;
        form_.reset();
    }

    Form* get() const { return form_.get(); }
    Form* operator->() const { return form_.get(); }
    Form& operator*() const { return *form_; }

private:
    Form*& global_;
    std::unique_ptr<Form> form_;
};
