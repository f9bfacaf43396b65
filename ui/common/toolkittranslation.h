#pragma once

class QObject;

// Qt's own texts (message-box buttons, context menus, the print and file dialogs) in Thai, from
// the catalogue compiled into the program; false when it is missing.
bool installToolkitTranslation(QObject* owner);
