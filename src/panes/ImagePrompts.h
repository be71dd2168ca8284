#pragma once

#include <QString>

class QWidget;

namespace panes {

// The file dialog and message boxes of the image picker, behind one seam so
// that importing and clearing can be driven without modal dialogs.
class ImagePrompts
{
public:
    virtual ~ImagePrompts() = default;
    // An existing file to import, looked for first in folder; empty when
    // the user cancels.
    virtual QString ChooseImageFile(QWidget* parent, const QString& folder) = 0;
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& question) = 0;
    virtual void Warn(QWidget* parent, const QString& text) = 0;
};

// The real dialogs.
class DialogImagePrompts : public ImagePrompts
{
public:
    QString ChooseImageFile(QWidget* parent, const QString& folder) override;
    bool AskYesNo(QWidget* parent, const QString& question) override;
    void Warn(QWidget* parent, const QString& text) override;
};

} // namespace panes
