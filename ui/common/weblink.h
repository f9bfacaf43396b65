#pragma once

#include <QString>

class Prompter;
class QWidget;

QString siteBaseAddress();  // scheme and host, no trailing slash
QString siteHost();         // the host alone, as the splash shows it
QString siteName();         // the name the web menu gives the site
QString applicationTitle(); // the title of the program's English message box

// Asks the desktop to open `address` in the default browser, without waiting for the browser.
// If the request fails, now or when the desktop's opener gives up, the user is told once,
// "Unable to start Web browser !", through `prompter`, and nothing else changes.
void openWebLink(QWidget* owner, const QString& address, Prompter& prompter);
