#include "workbench/remembered_inputs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>

QVariantMap InputsOf(const QWidget& page)
{
    QVariantMap inputs;
    for (const QLineEdit* box : page.findChildren<QLineEdit*>()) {
        // A list's own line box and read-only results are no inputs.
        if (!box->objectName().isEmpty() && !box->isReadOnly())
            inputs.insert(box->objectName(), box->text());
    }
    for (const QComboBox* list : page.findChildren<QComboBox*>()) {
        if (!list->objectName().isEmpty())
            inputs.insert(list->objectName(), list->currentIndex());
    }
    for (const QCheckBox* box : page.findChildren<QCheckBox*>()) {
        if (!box->objectName().isEmpty())
            inputs.insert(box->objectName(), box->isChecked());
    }
    return inputs;
}

void RestoreInputs(QWidget& page, const QVariantMap& inputs)
{
    for (QComboBox* list : page.findChildren<QComboBox*>()) {
        const QVariant index = inputs.value(list->objectName());
        bool ok = false;
        const int position = index.toInt(&ok);
        if (ok && position >= 0 && position < list->count())
            list->setCurrentIndex(position);
    }
    for (QLineEdit* box : page.findChildren<QLineEdit*>()) {
        const auto found = inputs.find(box->objectName());
        if (found != inputs.end() && !box->isReadOnly())
            box->setText(found->toString());
    }
    for (QCheckBox* box : page.findChildren<QCheckBox*>()) {
        const auto found = inputs.find(box->objectName());
        if (found != inputs.end())
            box->setChecked(found->toBool());
    }
}

std::unique_ptr<QSettings> WorkbenchSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("quorlan"),
                                       QStringLiteral("workbench"));
}
