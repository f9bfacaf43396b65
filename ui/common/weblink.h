#pragma once

#include <QString>

class Prompter;
class QWidget;

QString siteBaseAddress();  // scheme and host, no trailing slash
QString siteHost();         // the host alone, as the splash shows it
QString siteName();         // the name the web menu gives the site
QString applicationTitle(); // the title of the program's English message box

// Asks the desktop to open `address` in the default browser. On failure the user is told
// once, "Unable to start Web browser !", and nothing else changes. Returns whether the
// desktop accepted the request.
bool openWebLink(QWidget* owner, const QString& address, Prompter& prompter);
