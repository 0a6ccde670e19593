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

// The user's browser, through QDesktopServices; a failure to open a page is not reported.
UrlOpener& DesktopBrowser();

void OpenOnlineHelp(UrlOpener& browser);
void OpenHomePage(UrlOpener& browser);
void OpenDownloadPage(UrlOpener& browser);
void OpenDonatePage(UrlOpener& browser);
void OpenCoBrandPage(UrlOpener& browser);
void OpenFullBrandPage(UrlOpener& browser);

// Opens a web search for `query` restricted to the coordinates site. The query is sent
// percent-encoded, so no character typed into a place box can change the address.
void SearchWeb(UrlOpener& browser, const QString& query, const QString& site);
QUrl WebSearchUrl(const QString& query, const QString& site);

}  // namespace kalodaya::ui
