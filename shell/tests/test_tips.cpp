// The tip of the day: the draw of the first tip, Next, the switch, pictures and links.
#include "archive.h"
#include "archivewriter.h"
#include "fixture.h"
#include "htmlview.h"
#include "settings.h"
#include "tipsdialog.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

class TestTips : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString startDir = QDir::currentPath();

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(dir.path()));
        writeArchive("DATA1.HHZ", {{"index.bmp", fixture::bmp(fixture::solid(16, 16, Qt::red))}}, kArchiveKey);
    }
    void cleanupTestCase() {
        Archive::clearCache();
        QDir::setCurrent(startDir);
    }

    void elevenTipsAndTheLinkToTheProjectsPage() {
        QCOMPARE(tiplist().size(), 11);
        QVERIFY(tiplist().at(7).contains(QLatin1String("HREF=\"") + QLatin1String(kProjectWebPage) + "\""));
    }

    void theFirstTipIsNeverTheLast() {
        QSet<int> seen;
        for (std::uint32_t seed = 0; seed < 300; ++seed) {
            Tftips tips(nullptr, seed);
            QVERIFY(tips.shown() >= 0 && tips.shown() < 10);
            seen << tips.shown();
        }
        QCOMPARE(seen.size(), 10); // every other tip can come first
    }

    void nextWrapsFromTheLastTipToTheFirst() {
        Tftips tips(nullptr, 1);
        while (tips.shown() != 10)
            tips.bnextClick();
        QVERIFY(tips.visor->toPlainText().startsWith("To uninstall"));
        tips.bnextClick();
        QCOMPARE(tips.shown(), 0);
        QVERIFY(tips.visor->toPlainText().startsWith("The index button"));
    }

    void uncheckingTheBoxSwitchesTheTipsOff() {
        settings().tips = false;
        Tftips tips;
        QVERIFY(tips.ctips->isChecked());
        tips.ctips->click();
        QVERIFY(settings().tips);
        tips.ctips->click();
        QVERIFY(!settings().tips);
    }

    void everyTipAndTheCheckboxCaptionFitTheCard() {
        Tftips tips(nullptr, 1);
        tips.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tips));
        QVERIFY(tips.ctips->width() >= tips.ctips->sizeHint().width());
        QVERIFY(tips.ctips->geometry().right() < tips.bnext->x());
        QVERIFY(tips.Panel1->geometry().bottom() < tips.bnext->y());
        for (int i = 0; i < tiplist().size(); ++i) {
            tips.cargaTip(i);
            QVERIFY2(tips.visor->document()->size().height() <= tips.visor->viewport()->height(),
                     qPrintable(tiplist().at(i)));
        }
    }

    void picturesComeFromTheArchive() {
        Tftips tips;
        QVERIFY(!QImage::fromData(tips.visorImageRequest("INDEX.BMP")).isNull());
        QVERIFY(tips.visorImageRequest("missing.bmp").isEmpty());
    }

    void linksGoToTheDesktop() {
        QList<QUrl> opened;
        Tftips tips(nullptr, 1, [&](const QUrl& url) { opened << url; });
        bool handled = false;
        tips.visorHotSpotClick(QLatin1String(kProjectWebPage), handled);
        QVERIFY(handled);
        QCOMPARE(opened, QList<QUrl>({QUrl(QLatin1String(kProjectWebPage))}));
    }
};

QTEST_MAIN(TestTips)
#include "test_tips.moc"
