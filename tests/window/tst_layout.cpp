// The main window's layout as the learner first sees it: every control by name in its
// container, at its place, with its text, its tooltip and whether it shows.
#include "WindowFixture.h"

#include <QPlainTextEdit>
#include <QSet>
#include <QTextEdit>

namespace {

const char *const SettingsTip = "Hulpmiddeltjes in analoge klok zichtbaar/onzichtbaar maken.";

enum Size { Fixed, Auto };
enum Start { Hidden, Shown };

struct ControlRow
{
    const char *name;
    const char *parent;
    QRect place;
    Size size;
    const char *text; // nullptr: a picture, a container or a number filled in later
    const char *tip;
    Start start;
};

// Auto-sized labels grow with their text, so only their top-left corner is fixed.
const ControlRow Controls[] = {
    {"Image4", "Form1", {26, 104, 57, 25}, Fixed, nullptr, "Stop het programma.", Shown},
    {"UurWijzerKnop", "Form1", {56, 56, 15, 15}, Fixed, nullptr, "Klik hierop om de uurwijzer te verplaatsen.", Hidden},
    {"MinutenWijzerKnop", "Form1", {72, 56, 15, 15}, Fixed, nullptr,
     "Klik hierop om de minutenwijzer te verplaatsen.", Hidden},
    {"SecondenWijzerKnop", "Form1", {88, 56, 15, 15}, Fixed, nullptr,
     "Klik hierop om de secondenwijzer te verplaatsen.", Hidden},
    {"Instellingen", "Form1", {17, 7, 761, 89}, Fixed, "Instellingen", SettingsTip, Shown},
    {"Panel2", "Form1", {602, 133, 177, 372}, Fixed, nullptr, "", Shown},
    {"Help", "Form1", {20, 525, 761, 84}, Fixed, "", "Context-gevoelig help-menu.", Shown},
    {"Startknop", "Form1", {472, 105, 62, 25}, Fixed, "START", "Starten van de timer-oefening", Hidden},
    {"OKKnop1", "Form1", {473, 105, 62, 25}, Fixed, "RESET", "Programma herstellen", Hidden},
    {"ADOefening", "Form1", {406, 135, 185, 370}, Fixed, nullptr, "", Hidden},
    {"KeuzePaneel", "Form1", {406, 135, 185, 370}, Fixed, nullptr, "", Hidden},
    {"DigitaalAnaloog", "Form1", {24, 481, 137, 41}, Fixed, "Start Oefening Digitaal -> analoog",
     "Start Oefening Digitaal -> Analoog omzetten.", Shown},
    {"AnaloogDigitaal", "Form1", {245, 481, 137, 41}, Fixed, "Start Oefening Analoog -> digitaal",
     "Start Oefening Analoog -> Digitaal omzetten.", Shown},
    {"DigiKlok", "Form1", {166, 497, 72, 23}, Fixed, "00", "Digitale klok", Shown},
    {"Panel3", "Form1", {20, 135, 763, 369}, Fixed, nullptr, "", Hidden},
    {"Info", "Form1", {120, 204, 585, 232}, Fixed, nullptr, "", Hidden},
    {"Panel8", "Form1", {310, 102, 96, 32}, Fixed, nullptr, "", Hidden},

    {"Image1", "Instellingen", {711, 24, 35, 33}, Fixed, nullptr, "Info over het Programma.", Shown},
    {"Label4", "Instellingen", {7, 64, 116, 16}, Auto, "Timer (minuten) :", SettingsTip, Shown},
    {"TimerMinuten", "Instellingen", {130, 64, 59, 17}, Fixed, "0",
     "Indien de timer moet gebruikt worden, hier het aantal minuten invullen.", Shown},
    {"GroupBox2", "Instellingen", {224, 0, 193, 89}, Fixed, nullptr, SettingsTip, Shown},
    {"TwaalfUren", "Instellingen", {88, 17, 102, 17}, Fixed, "12-uren klok ",
     "Hier kies je voor een 12-uren klok", Shown},
    {"VierentwintigUren", "Instellingen", {88, 39, 102, 17}, Fixed, "24-uren klok",
     "Hier kies je voor een 24-uren klok", Shown},
    {"Panel1", "Instellingen", {413, 6, 137, 84}, Fixed, nullptr, SettingsTip, Shown},
    {"Button1", "Instellingen", {560, 54, 145, 25}, Fixed, "Hulpjes Aan", SettingsTip, Shown},
    {"Button2", "Instellingen", {560, 20, 145, 25}, Fixed, "Minuten onzichtbaar",
     "Hiermee maakt u  op de analoge klok de minuten zichtbaar/onzichtbaar.", Shown},

    {"SecondenAan", "GroupBox2", {30, 17, 134, 17}, Fixed, "SecondenWijzer", "Secondenwijzer in/uit schakelen", Shown},
    {"WijzerCorrectie", "GroupBox2", {19, 40, 145, 17}, Fixed, "Uurwijzercorrectie",
     "Uurwijzerstand corrigeren volgens aantal  minuten , of op exacte  uurpositie houden", Shown},
    {"VraagtekenAan", "GroupBox2", {63, 63, 101, 17}, Fixed, "Vraagteken ",
     "De mogelijkheid in/uit schakelen om  via het vraagteken te weten of de oplossing juist is", Shown},
    {"ADKnop1", "GroupBox2", {56, 40, 88, 17}, Fixed, "Instellingen", "Terugkeren naar het instellingen- menu", Hidden},

    {"Cijfers", "Panel1", {58, 9, 63, 17}, Fixed, "Cijfers", "Uurwerk met gewone  cijfers", Shown},
    {"Punten", "Panel1", {20, 32, 101, 17}, Fixed, "Geen cijfers", "Uurwerk zonder cijfers", Shown},
    {"Romeins", "Panel1", {42, 55, 79, 17}, Fixed, "Romeins", "Uurwerk met romeinse cijfers", Shown},

    {"Label41", "Panel2", {24, 28, 125, 16}, Auto, "Behaalde punten", "", Shown},
    {"Label6", "Panel2", {35, 82, 105, 37}, Fixed, "0", "Aantal behaalde punten", Shown},
    {"Label14", "Panel2", {72, 175, 38, 29}, Auto, "OP", "", Shown},
    {"Label8", "Panel2", {35, 245, 105, 37}, Fixed, "0", "Maximum aantal punten", Shown},
    {"Label40", "Panel2", {26, 316, 122, 16}, Auto, "Maximum punten", "", Shown},

    {"Memo1", "ADOefening", {4, 3, 172, 75}, Fixed, "Oefening\nanaloog -> digitaal\nNotitie- methode", "", Shown},
    {"ADControleKnop", "ADOefening", {74, 113, 33, 24}, Fixed, "?",
     "Druk hier om te zien of je de opgave correct hebt ingevuld", Hidden},
    {"Panel5", "ADOefening", {2, 155, 176, 92}, Fixed, nullptr, "", Shown},
    {"ADOkKnop", "ADOefening", {31, 250, 119, 25}, Fixed, "OK", "Ga naar de volgende opgave", Shown},
    {"ADStopKnop", "ADOefening", {31, 330, 119, 25}, Fixed, "Stop Oefening", "Stoppen met de huidige oefening", Shown},

    {"VoorMiddagNaMiddag", "Panel5", {16, 3, 140, 17}, Fixed, nullptr,
     "Voormiddag is 00:00:00 tot 11:59:59 en namiddag = 12:00:00 tot 23:59:59", Shown},
    {"UurInvoerVeld", "Panel5", {34, 22, 25, 21}, Fixed, "", "Vul hier het juiste uur in", Shown},
    {"MinInvoerVeld", "Panel5", {70, 22, 25, 21}, Fixed, "", "Vul hier de juiste minuten in.", Hidden},
    {"SecInvoerVeld", "Panel5", {105, 22, 25, 21}, Fixed, "", "Vul hier de juiste Seconden in.", Hidden},
    {"UurNaam", "Panel5", {40, 47, 30, 13}, Fixed, "Uur", "", Shown},
    {"MinuutNaam", "Panel5", {72, 47, 25, 13}, Fixed, "Min", "", Shown},
    {"SecNaam", "Panel5", {104, 47, 25, 13}, Fixed, "Sec", "", Shown},
    {"Uurcontrol", "Panel5", {32, 65, 30, 13}, Fixed, "", "", Shown},
    {"Minuutcontrol", "Panel5", {72, 65, 25, 13}, Fixed, "", "", Shown},
    {"Secondcontrol", "Panel5", {104, 65, 25, 13}, Fixed, "", "", Shown},

    // Its caption "Kies Instellingen" is painted, not held in a text a test can read.
    {"Panel4", "KeuzePaneel", {3, 8, 173, 33}, Fixed, "Kies Instellingen", "", Shown},
    {"Panel7", "KeuzePaneel", {3, 56, 174, 121}, Fixed, nullptr, "", Shown},
    {"Panel6", "KeuzePaneel", {3, 192, 174, 119}, Fixed, nullptr, "", Shown},
    {"KeuzePaneelTerugKnop", "KeuzePaneel", {5, 329, 76, 25}, Fixed, "Terug", "Terug naar het start-menu", Shown},
    {"KeuzePaneelOkKnop", "KeuzePaneel", {104, 329, 73, 25}, Fixed, "OK", "Start de oefening", Shown},

    {"Label10", "Panel7", {12, 8, 148, 13}, Auto, "Instelling van de oefening", "", Shown},
    {"UrenAan", "Panel7", {82, 32, 81, 17}, Fixed, "Enkel uren", "Enkel oefenen met gehele uren.", Shown},
    {"HalveUrenAan", "Panel7", {48, 51, 115, 18}, Fixed, "Enkel halve uren", "Enkel oefenen met halve uren.", Shown},
    {"KwartierenAan", "Panel7", {49, 72, 114, 17}, Fixed, "Enkel kwartieren", "Enkel oefenen met kwartieren.", Shown},
    {"MinutenAan", "Panel7", {3, 91, 161, 18}, Fixed, "Uren+Minuten+Seconden", "Oefenen met alle tijden.", Shown},

    {"Label9", "Panel6", {8, 8, 154, 13}, Auto, "Instelling van invoervelden", "", Shown},
    {"Notitie1", "Panel6", {3, 31, 41, 17}, Fixed, "UU", "Kies de notitiestijl", Shown},
    {"Label1", "Panel6", {43, 32, 19, 13}, Auto, "uur", "", Shown},
    {"Notitie2", "Panel6", {3, 59, 41, 17}, Fixed, "UU", "Kies de notitiestijl", Shown},
    {"Label2", "Panel6", {44, 59, 19, 13}, Auto, "uur", "", Shown},
    {"Label3", "Panel6", {69, 60, 24, 16}, Auto, "MM", "", Shown},
    {"Label5", "Panel6", {98, 60, 24, 13}, Auto, "min.", "", Shown},
    {"Notitie3", "Panel6", {3, 86, 41, 17}, Fixed, "UU", "Kies de notitiestijl", Shown},
    {"Label16", "Panel6", {43, 87, 19, 13}, Auto, "uur", "", Shown},
    {"Label17", "Panel6", {71, 87, 24, 16}, Auto, "MM", "", Shown},
    {"Label18", "Panel6", {101, 87, 20, 13}, Auto, "min", "", Shown},
    {"Label19", "Panel6", {126, 87, 18, 16}, Auto, "SS", "", Shown},
    {"Label7", "Panel6", {147, 88, 21, 13}, Auto, "sec", "", Shown},

    {"Label47", "Panel3", {326, 44, 116, 24}, Fixed, "Puntentotaal", "", Shown},
    // The points are right-aligned in a wider box whose right edge stays at 332.
    {"Label48", "Panel3", {132, 148, 200, 37}, Fixed, nullptr, "", Shown},
    {"Label50", "Panel3", {370, 156, 30, 24}, Auto, "OP", "", Shown},
    {"Label49", "Panel3", {436, 146, 200, 37}, Fixed, nullptr, "", Shown},
    {"Label51", "Panel3", {304, 257, 98, 41}, Fixed, nullptr, "", Shown},
    {"Label52", "Panel3", {412, 256, 30, 37}, Auto, "%", "", Shown},

    {"KlokVenster", "Panel8", {3, 3, 90, 26}, Fixed, nullptr, "Aftelklok", Hidden},
};

QString textOf(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text();
    if (const auto *edit = qobject_cast<const QLineEdit *>(w))
        return edit->text();
    if (const auto *group = qobject_cast<const QGroupBox *>(w))
        return group->title();
    if (const auto *panel = qobject_cast<const BevelPanel *>(w))
        return panel->caption();
    if (const auto *memo = qobject_cast<const QPlainTextEdit *>(w))
        return memo->toPlainText();
    if (const auto *rich = qobject_cast<const QTextEdit *>(w))
        return rich->toPlainText();
    return QStringLiteral("<control without text>");
}

// A control without a tooltip of its own shows the one of its nearest enclosing control.
QString shownTip(const QWidget *w)
{
    while (w->toolTip().isEmpty() && !w->isWindow())
        w = w->parentWidget();
    return w->toolTip();
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void window();
    void controls_data();
    void controls();
    void autoLabelsShowTheirWholeText_data();
    void autoLabelsShowTheirWholeText();
    void marks_data();
    void marks();
    void everyTooltipHidesAfterFiveSeconds();
    void noTwoControlsShareAName();

private:
    QList<QWidget *> ownControls() const;
    QWidget *control(const QString &name) const;

    std::unique_ptr<WindowFixture::Window> m_window;
};

void TestLayout::init()
{
    m_window = std::make_unique<WindowFixture::Window>();
}

void TestLayout::cleanup()
{
    m_window.reset();
}

// The controls of the main window itself, not those of the overlay window it owns.
QList<QWidget *> TestLayout::ownControls() const
{
    QList<QWidget *> own;
    for (QWidget *w : m_window->form.findChildren<QWidget *>())
        if (w->window() == &m_window->form)
            own.append(w);
    return own;
}

QWidget *TestLayout::control(const QString &name) const
{
    for (QWidget *w : ownControls())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

void TestLayout::window()
{
    const TForm1 &form = m_window->form;
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Tikara v.2.1 (ZVO)"));
    QCOMPARE(form.size(), QSize(799, 620));
    QCOMPARE(form.minimumSize(), QSize(799, 620));
    QCOMPARE(form.maximumSize(), QSize(799, 620));
    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
}

void TestLayout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<bool>("autoSize");
    QTest::addColumn<bool>("hasText");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<bool>("shown");

    for (const ControlRow &row : Controls)
        QTest::addRow("%s", row.name) << QString::fromLatin1(row.name) << QString::fromLatin1(row.parent)
                                      << row.place << (row.size == Auto) << (row.text != nullptr)
                                      << QString::fromLatin1(row.text) << QString::fromLatin1(row.tip)
                                      << (row.start == Shown);
}

void TestLayout::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, place);
    QFETCH(bool, autoSize);
    QFETCH(bool, hasText);
    QFETCH(QString, text);
    QFETCH(QString, tip);
    QFETCH(bool, shown);

    const QWidget *w = control(name);
    QVERIFY2(w, qPrintable(name + QStringLiteral(" is missing")));
    QCOMPARE(w->parentWidget()->objectName(), parent);
    if (autoSize)
        QCOMPARE(w->pos(), place.topLeft());
    else
        QCOMPARE(w->geometry(), place);
    if (hasText)
        QCOMPARE(textOf(w), text);
    QCOMPARE(shownTip(w), tip);
    QCOMPARE(!w->isHidden(), shown);
}

void TestLayout::autoLabelsShowTheirWholeText_data()
{
    QTest::addColumn<QString>("name");
    for (const ControlRow &row : Controls)
        if (row.size == Auto)
            QTest::addRow("%s", row.name) << QString::fromLatin1(row.name);
}

void TestLayout::autoLabelsShowTheirWholeText()
{
    QFETCH(QString, name);

    const QWidget *label = control(name);
    QVERIFY(label);
    const QSize needed = label->sizeHint();
    QVERIFY2(label->width() >= needed.width() && label->height() >= needed.height(),
             qPrintable(QStringLiteral("%1 is %2 x %3 but its text needs %4 x %5")
                            .arg(name).arg(label->width()).arg(label->height())
                            .arg(needed.width()).arg(needed.height())));
}

void TestLayout::marks_data()
{
    QTest::addColumn<int>("minute");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("size");

    QTest::addRow("M0") << 0 << "12" << QSize(45, 20);
    QTest::addRow("M5") << 5 << "1" << QSize(37, 20);
    QTest::addRow("M10") << 10 << "2" << QSize(37, 20);
    QTest::addRow("M15") << 15 << "3" << QSize(37, 20);
    QTest::addRow("M20") << 20 << "4" << QSize(37, 20);
    QTest::addRow("M25") << 25 << "5" << QSize(37, 20);
    QTest::addRow("M30") << 30 << "6" << QSize(37, 20);
    QTest::addRow("M35") << 35 << "7" << QSize(37, 20);
    QTest::addRow("M40") << 40 << "8" << QSize(37, 20);
    QTest::addRow("M45") << 45 << "9" << QSize(37, 20);
    QTest::addRow("M50") << 50 << "10" << QSize(41, 16);
    QTest::addRow("M55") << 55 << "11" << QSize(45, 20);
    // The dots size themselves to their star.
    for (int minute = 1; minute < 60; ++minute)
        if (minute % 5 != 0)
            QTest::addRow("M%d", minute) << minute << "*" << QSize();
}

void TestLayout::marks()
{
    QFETCH(int, minute);
    QFETCH(QString, text);
    QFETCH(QSize, size);

    const QString name = QStringLiteral("M%1").arg(minute);
    const auto *mark = m_window->form.findChild<QLabel *>(name);
    QVERIFY2(mark, qPrintable(name + QStringLiteral(" is missing")));
    QCOMPARE(m_window->form.MinuutMerken[minute], mark);
    QCOMPARE(mark->parentWidget(), &m_window->form);
    QCOMPARE(mark->text(), text);
    if (size.isValid())
        QCOMPARE(mark->size(), size);
    QCOMPARE(mark->toolTip(), QStringLiteral("Verdeelschaal van de  klok"));
    QVERIFY(!mark->isHidden());
    QCOMPARE(WindowFixture::markColour(m_window->form, minute), WindowFixture::Black);
}

void TestLayout::everyTooltipHidesAfterFiveSeconds()
{
    int withTip = 0;
    for (const QWidget *w : ownControls()) {
        if (w->toolTip().isEmpty())
            continue;
        ++withTip;
        const QString message = QStringLiteral("%1 hides its tooltip after %2 ms");
        QVERIFY2(w->toolTipDuration() == 5000, qPrintable(message.arg(w->objectName()).arg(w->toolTipDuration())));
    }
    QVERIFY(withTip > 60);
}

void TestLayout::noTwoControlsShareAName()
{
    QSet<QString> seen;
    const QList<QWidget *> controls = ownControls();
    QList<QObject *> named(controls.cbegin(), controls.cend());
    for (QTimer *timer : m_window->form.findChildren<QTimer *>(Qt::FindDirectChildrenOnly))
        named.append(timer);
    for (const QObject *o : named) {
        const QString name = o->objectName();
        // The toolkit names the inner parts of its scrolling fields itself.
        if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")))
            continue;
        QVERIFY2(!seen.contains(name), qPrintable(name + QStringLiteral(" is used twice")));
        seen.insert(name);
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
