// The boxes of the dialog seam as the user sees them: Qt's message box, input
// box and file dialogs, over the window that is active. The application
// object installs them as the seam's presenter.
#pragma once

#include "platform/core/Dialogs.h"

#include <memory>

class QFileDialog;
class QWidget;

class QtBoxes : public BoxResponder {
public:
    BoxAnswer Box(const BoxRequest& request) override;
};

// Qt's save-file dialog as SaveFile shows it, not yet shown: on the folder
// of the file suggested, with the file's bare name typed in.
std::unique_ptr<QFileDialog> CreateSaveFileDialog(QWidget* owner, const AnsiString& caption,
                                                  const QString& suggested,
                                                  const AnsiString& filter);
