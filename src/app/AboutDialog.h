#pragma once

#include <QDialog>

namespace app {

// The program's name, version and maker. It exists only in Chinese, so it
// reads the same in both user-interface languages.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace app
