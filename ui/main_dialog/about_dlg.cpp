#include "main_dialog/about_dlg.h"

#include "main_dialog/dialog_units.h"

#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("关于此软件的版本说明"));
    setFont(DialogFont());
    const DialogUnits units(font());

    auto addLabel = [&](const char* name, const QString& text, QRect rect) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(rect);
    };
    addLabel("versionLabel", QStringLiteral("Quorlan1.0 版"), units.Rect(14, 12, 114, 8));
    addLabel("noticeLabel", QStringLiteral("版权所有 (C) Quorlan 项目"), units.Rect(13, 39, 96, 8));
    addLabel("contactLabel", QStringLiteral("联系：Quorlan 开发组"), units.Rect(15, 25, 87, 8));

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(units.Rect(113, 36, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(units.X(170), units.Y(62));
}
