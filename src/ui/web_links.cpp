#include "ui/web_links.h"

#include <QDesktopServices>
#include <QUrlQuery>

#include "ui/product_config.h"

namespace kalodaya::ui {
namespace {

class SystemBrowser final : public UrlOpener {
public:
    void Open(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

}  // namespace

UrlOpener& DesktopBrowser() {
    static SystemBrowser browser;
    return browser;
}

void OpenOnlineHelp(UrlOpener& b) { b.Open(QUrl(config::kProductSite + config::kOnlineHelpPath)); }
void OpenHomePage(UrlOpener& b) { b.Open(QUrl(config::kMakerHome)); }
void OpenDownloadPage(UrlOpener& b) { b.Open(QUrl(config::kProductSite + config::kDownloadPath)); }
void OpenDonatePage(UrlOpener& b) { b.Open(QUrl(config::kMakerHelpSite + config::kDonatePath)); }
void OpenCoBrandPage(UrlOpener& b) { b.Open(QUrl(config::kMakerHelpSite + config::kCoBrandPath)); }
void OpenFullBrandPage(UrlOpener& b) {
    b.Open(QUrl(config::kMakerHelpSite + config::kFullBrandPath));
}

QUrl WebSearchUrl(const QString& query, const QString& site) {
    QUrl url(config::kSearchEngine);
    QUrlQuery params;
    // QUrlQuery would leave "&", "#" and "+" to be read as syntax; encode the value fully.
    const QString q = query + QStringLiteral(" site:") + site;
    params.addQueryItem(QStringLiteral("q"), QString::fromLatin1(QUrl::toPercentEncoding(q)));
    url.setQuery(params.query(QUrl::FullyEncoded), QUrl::StrictMode);
    return url;
}

void SearchWeb(UrlOpener& browser, const QString& query, const QString& site) {
    browser.Open(WebSearchUrl(query, site));
}

}  // namespace kalodaya::ui
