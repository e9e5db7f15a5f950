#pragma once

#include <memory>

#include <QVariantMap>

class QSettings;
class QWidget;

// The inputs of a page as a user left them: every named, editable line box, list and check box,
// by object name. Restored lists first, then the boxes, so that a list that fills boxes (a
// material) does not overwrite what was typed after it.
QVariantMap InputsOf(const QWidget& page);
void RestoreInputs(QWidget& page, const QVariantMap& inputs);

// Where the window keeps what it remembers: quorlan/workbench.ini in the user's configuration
// folder ($XDG_CONFIG_HOME, ~/.config).
std::unique_ptr<QSettings> WorkbenchSettings();
