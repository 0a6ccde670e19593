// The place lookup as a person sees it: the popup open under the City box, and the line under
// the zone box once a place is chosen. With KALODAYA_SCREENSHOT_DIR set, the pictures are kept
// there as place-popup.png and zone-line.png; otherwise they go to a temporary folder.
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "form_driver.h"
#include "ui/entry_form.h"
#include "ui/place_lookup.h"
#include "ui/place_search_popup.h"

using namespace kalodaya::ui;
using namespace kalodaya::ui::testing;

class PlaceScreenshotsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::unique_ptr<EntryForm> form_;

    QAbstractItemView* Popup() { return form_->Places()->Popup()->Completer()->popup(); }

    static int Colours(const QImage& image) {
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
        return colours.size();
    }

    void Save(const QImage& picture, const QString& name) {
        QString target = qEnvironmentVariable("KALODAYA_SCREENSHOT_DIR");
        if (target.isEmpty()) target = dir_.path();
        QDir().mkpath(target);
        const QString path = QDir(target).filePath(name);
        QVERIFY2(picture.save(path), qPrintable("cannot write " + path));
        const QImage saved(path);
        QCOMPARE(saved.size(), picture.size());
        QVERIFY2(Colours(saved) >= 16, qPrintable(name + " is not the window as drawn"));
    }

    void TypeCity(const QString& text) {
        QLineEdit* city = Control<QLineEdit>(form_.get(), "cityBox");
        city->setFocus();
        city->clear();
        QTest::keyClicks(city, text);
        QVERIFY(Popup()->isVisible());
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::India));
        qputenv("KALODAYA_RECORDS_DB", dir_.filePath(QStringLiteral("records.sqlite")).toUtf8());
        form_ = std::make_unique<EntryForm>();
        form_->show();
        // Exposed, not active: under a bare X server (no window manager) nothing activates it.
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        QApplication::setActiveWindow(form_.get());
        QTRY_VERIFY_WITH_TIMEOUT(form_->Places()->SourcesReady(), 20000);
        Birth birth = WorkedExample();
        birth.city = birth.state = birth.country = QString();
        Fill(form_.get(), birth);
    }
    void cleanupTestCase() { form_.reset(); }

    // The form with the popup drawn where it opened (it is a window of its own).
    void popupOpen() {
        TypeCity(QStringLiteral("chen"));
        QAbstractItemView* popup = Popup();
        const QPoint offset = popup->mapToGlobal(QPoint()) - form_->mapToGlobal(QPoint());
        const QRect area = form_->rect().united(QRect(offset, popup->size()));
        QImage picture(area.size(), QImage::Format_RGB32);
        picture.fill(QColor(235, 235, 235));
        QPainter painter(&picture);
        painter.drawPixmap(-area.topLeft(), form_->grab());
        painter.drawPixmap(offset - area.topLeft(), popup->grab());
        painter.end();
        Save(picture, QStringLiteral("place-popup.png"));
        QTest::keyClick(popup, Qt::Key_Escape);
    }

    void zoneLine() {
        TypeCity(QStringLiteral("new delhi"));
        QAbstractItemView* popup = Popup();
        QTest::mouseClick(popup->viewport(), Qt::LeftButton, {},
                          popup->visualRect(popup->model()->index(0, 0)).center());
        const QLabel* line = Control<QLabel>(form_.get(), "zoneLine");
        QCOMPARE(line->toolTip(),
                 QStringLiteral("Asia/Kolkata on 15 August 1990 at 10:30: UTC+05:30 (IST)"));
        QCOMPARE(line->text(), line->toolTip());  // the whole line fits
        Save(form_->grab().toImage(), QStringLiteral("zone-line.png"));
    }
};

QTEST_MAIN(PlaceScreenshotsTest)
#include "place_screenshots_test.moc"
