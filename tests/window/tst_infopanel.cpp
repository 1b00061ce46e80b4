// The information panel: the portrait opens it, its check-mark button or Enter closes it,
// and its two buttons ask the desktop to open the maker's web sites.
#include "WindowFixture.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QUrl>

using namespace WindowFixture;

// Stands in for the browser: notes every address the program asks to open.
class Browser : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> asked;

public Q_SLOTS:
    void open(const QUrl &url) { asked << url; }
};

class TestInfoPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void portraitShows();
    void checkMarkHides();
    void enterHides_data();
    void enterHides();
    void siteButtonsAskForTheirAddress_data();
    void siteButtonsAskForTheirAddress();
    void failedOpenChangesNothing();

private:
    TForm1 &form() { return m_window->form; }
    void openPanel();

    std::unique_ptr<Window> m_window;
    Browser m_browser;
};

void TestInfoPanel::init()
{
    m_browser.asked.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_browser, "open");
    m_window = std::make_unique<Window>();
    QVERIFY(showActive(m_window->form));
}

void TestInfoPanel::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    if (m_window)
        m_window->form.close();
    m_window.reset();
}

void TestInfoPanel::openPanel()
{
    QVERIFY(form().Info->isHidden());
    QTest::mouseClick(form().Image1, Qt::LeftButton);
    QVERIFY(!form().Info->isHidden());
}

void TestInfoPanel::portraitShows()
{
    openPanel();
    QTest::mouseClick(form().Image1, Qt::LeftButton);
    QVERIFY(!form().Info->isHidden());
}

void TestInfoPanel::checkMarkHides()
{
    openPanel();
    QTest::mouseClick(form().OKKnop, Qt::LeftButton);
    QVERIFY(form().Info->isHidden());
    QVERIFY(m_browser.asked.isEmpty());
}

void TestInfoPanel::enterHides_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("inTimerField");
    QTest::addRow("return") << Qt::Key_Return << false;
    QTest::addRow("keypad_enter") << Qt::Key_Enter << false;
    QTest::addRow("return_in_timer_field") << Qt::Key_Return << true;
}

void TestInfoPanel::enterHides()
{
    QFETCH(Qt::Key, key);
    QFETCH(bool, inTimerField);
    if (inTimerField)
        QTest::mouseClick(form().TimerMinuten, Qt::LeftButton);
    openPanel();
    pressKey(form(), key);
    QVERIFY(form().Info->isHidden());
}

void TestInfoPanel::siteButtonsAskForTheirAddress_data()
{
    QTest::addColumn<QString>("button");
    QTest::addRow("first_site") << "Button3";
    QTest::addRow("second_site") << "Button4";
}

void TestInfoPanel::siteButtonsAskForTheirAddress()
{
    QFETCH(QString, button);
    openPanel();
    auto *site = form().Info->findChild<QPushButton *>(button);
    QVERIFY(site);
    QVERIFY(!site->text().isEmpty());

    QTest::mouseClick(site, Qt::LeftButton);

    QCOMPARE(m_browser.asked, QList<QUrl>{QUrl(QStringLiteral("http://") + site->text())});
    QVERIFY(!form().Info->isHidden());
}

// Offscreen the desktop cannot open an address at all; the program carries on unchanged.
void TestInfoPanel::failedOpenChangesNothing()
{
    if (QGuiApplication::platformName() != u"offscreen") {
        QTest::qSkip("Only offscreen is sure to have no browser.", __FILE__, __LINE__);
        return;
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    openPanel();
    QTest::mouseMove(form().Image1, form().Image1->rect().center());
    const QString help = form().Help->toPlainText();
    const auto windows = QApplication::topLevelWidgets().size();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("openUrl")));
    QTest::mouseClick(form().Button3, Qt::LeftButton);

    QVERIFY(!form().Info->isHidden());
    QCOMPARE(form().Help->toPlainText(), help);
    QVERIFY(form().isActiveWindow());
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
}

QTEST_MAIN(TestInfoPanel)
#include "tst_infopanel.moc"
