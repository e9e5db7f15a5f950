#pragma once

#include <QDialog>

// The version box, opened from the main dialog's window menu (a context menu where the window
// manager owns that menu).
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
