#pragma once
// The web pages the program opens, and the one place that opens them.
#include <QString>
#include <QUrl>

namespace kalodaya::ui {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void Open(const QUrl& url) = 0;
};

// The process-wide opener: the user's browser through QDesktopServices unless a test
// installed another (not owned; nullptr restores the browser).
UrlOpener& Browser();
void SetUrlOpener(UrlOpener* opener);

// Hands an address to the browser; a failure to open it is not reported.
void OpenWebPage(const QUrl& url);

void OpenOnlineHelp();
void OpenHomePage();
void OpenDownloadPage();
void OpenDonatePage();
void OpenCoBrandPage();
void OpenFullBrandPage();

// Opens a web search for `query` restricted to the coordinates site. The query is sent
// percent-encoded, so no character typed into a place box can change the address.
void SearchWeb(const QString& query, const QString& site);
QUrl WebSearchUrl(const QString& query, const QString& site);

}  // namespace kalodaya::ui
