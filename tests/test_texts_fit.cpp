// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the nine windows and of the message boxes fits its control at this run's scale
// (registered at 1, 1.5 and 2): across, measured with the control's own font in the room its
// style (for grid cells, the grid's cell margin) leaves; down, by its ink. Each control is tried
// with its own text and the longest ones it can be given. Bold texts get a bold face; a disabled
// frame row draws in the text colour. With KZ_LANGUAGE=en (registered at each scale too) it runs
// the English interface, and checks that no French is left in it.
#include "core/refusals.h"
#include "dialogs/U_pont.h"
#include "dialogs/a_propos.h"
#include "dialogs/u_MACs.h"
#include "dialogs/u_dest.h"
#include "dialogs/u_hub.h"
#include "dialogs/u_hub2.h"
#include "dialogs/u_source.h"
#include "engine/anim_pont.h"
#include "engine/global.h"
#include "engine/u_avance.h"
#include "support/fixture.h"
#include "support/student.h"
#include "widgets/controls.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace
{

const QStringList MACS = {"00-C0-B0-69-16-25", "00-C0-B0-08-31-A4", "00-10-2B-88-00-34",
                          "00-00-48-24-E5-9A", "00-AA-00-95-A0-5D", "00-F0-00-6A-11-74",
                          "FF-FF-FF-FF-FF-FF", "03-00-00-00-00-01", "00-35-8A-96-01-42",
                          "00-35-8A-96-01-43"};
// The longest texts each control (for grids, each column) can be given, by name.
const QHash<QString, QStringList> LONGEST = {
    {"trame/0", MACS},
    {"trame/1", MACS},
    {"trame_gauche/0", MACS},
    {"trame_gauche/1", MACS},
    {"table_gauche/0", MACS},
    {"table_droite/0", MACS},
    {"table_gauche/1", {"255"}},
    {"table_droite/1", {"255"}},
    {"label_erreurs", {"Cumul erreurs = 65535", "Total errors = 65535"}},
    {"resultat",
     {"TOUS LES EXERCICES ONT ETE TRAITES en 23:59:59",
      "ALL THE EXERCISES WERE DONE in 23:59:59"}}};

const bool ENGLISH = qgetenv("KZ_LANGUAGE") == "en";
QByteArray settings()
{
    return defaultSettings() + (ENGLISH ? "langue=en\r\n" : "");
}

// Asked after the program's own translators: records each of the program's texts they left
// untranslated (Qt's own classes, whose contexts start with a Q, are not the program's).
class Unresolved : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (context[0] != 'Q')
            missed.insert(QString::fromUtf8(context) + ": " + QString::fromUtf8(source));
        return {};
    }
    bool isEmpty() const override { return false; }
    mutable QSet<QString> missed;
};

// Every text a student or a screen reader meets in `window`: captions, texts, titles, grid cells,
// menu items, tooltips, accessible names and descriptions.
void collectTexts(QWidget *window, QStringList &texts)
{
    const QList<QWidget *> widgets = window->findChildren<QWidget *>() << window;
    for (QWidget *w : widgets) {
        texts << w->windowTitle() << w->toolTip() << w->accessibleName()
              << w->accessibleDescription() << w->property("text").toString()
              << w->property("title").toString();
        if (auto *grid = qobject_cast<controls::Grid *>(w))
            for (int row = 0; row < grid->rowCount(); ++row)
                for (int column = 0; column < grid->columnCount(); ++column)
                    texts << grid->text(column, row);
        for (QAction *action : w->actions())
            texts << action->text() << action->toolTip();
        // What screen readers find inside: the diagram's elements, the LEDs, the grids' cells.
        if (QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w))
            for (int i = 0; i < face->childCount(); ++i)
                if (QAccessibleInterface *child = face->child(i))
                    texts << child->text(QAccessible::Name)
                          << child->text(QAccessible::Description);
    }
}

// A grid's cell, by column and row; none for other controls.
struct Cell {
    int column = -1, row = -1;
};

// Puts `text` into control `w` (into `cell` of a grid); returns the size it needs there and the
// room there is.
std::pair<QSize, QSize> measure(QWidget *w, const QString &text, Cell cell)
{
    const QFontMetrics metrics(w->font());
    const QSize ink(metrics.horizontalAdvance(text), metrics.tightBoundingRect(text).height());
    if (auto *grid = qobject_cast<controls::Grid *>(w)) {
        grid->setText(cell.column, cell.row, text);
        return {grid->textSize(text), grid->cellRect(cell.column, cell.row).size()};
    }
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->text() != text) // a picture's label keeps its picture
            label->setText(text);
        if (label->wordWrap())
            return {QSize(label->width(), label->heightForWidth(label->width())), label->size()};
        return {QSize(label->sizeHint().width(), ink.height()),
                QSize(label->width(), label->contentsRect().height())};
    }
    if (auto *box = qobject_cast<QGroupBox *>(w)) { // the title stays inside the box
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = text;
        const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, box);
        return {QSize(title.right() + 1, ink.height()), QSize(box->width(), title.height())};
    }
    QStyleOptionButton option;
    option.initFrom(w);
    const auto contents = qobject_cast<QCheckBox *>(w)      ? QStyle::SE_CheckBoxContents
                          : qobject_cast<QRadioButton *>(w) ? QStyle::SE_RadioButtonContents
                                                            : QStyle::SE_PushButtonContents;
    const auto *button = static_cast<QAbstractButton *>(w); // an icon stands 4 pixels off its text
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    return {ink + QSize(icon, 0), w->style()->subElementRect(contents, &option, w).size()};
}

void checkWindow(QWidget *window, QStringList &failures)
{
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window) // a dialog owned by this window is checked on its own
            continue;
        if (w->font().bold() && !QFontInfo(w->font()).styleName().contains("Bold"))
            failures << w->objectName() + " is not bold";
        QList<std::pair<Cell, QString>> texts; // each cell or the control's own
        if (auto *grid = qobject_cast<controls::Grid *>(w)) {
            for (int row = 0; row < grid->rowCount(); ++row)
                for (int column = 0; column < grid->columnCount(); ++column)
                    texts.append({{column, row}, grid->text(column, row)});
        } else if (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)) {
            texts.append({Cell(), w->property("text").toString()});
        } else if (qobject_cast<QGroupBox *>(w)) {
            texts.append({Cell(), w->property("title").toString()});
        }
        for (const auto &[cell, own] : texts) {
            const QString key =
                w->objectName() + (cell.column >= 0 ? '/' + QString::number(cell.column) : "");
            for (const QString &text : QStringList(own) + LONGEST.value(key)) {
                const auto [need, room] = measure(w, text, cell);
                if (!text.isEmpty() &&
                    (need.width() > room.width() || need.height() > room.height()))
                    QDebug(&failures.emplaceBack()) << w->window()->objectName() << w->objectName()
                                                    << text << "needs" << need << "in" << room;
            }
            measure(w, own, cell); // the control's own text back
        }
    }
}

} // namespace

class TestTextsFit : public QObject
{
    Q_OBJECT
private slots:
    void everyTextFitsItsControl();
    void englishHasNoFrenchLeft();
};

void TestTextsFit::everyTextFitsItsControl()
{
    ProgramFixture program(settings());
    QVERIFY(program.started());
    QStringList failures;
    for (QWidget *window : QList<QWidget *>{Principale, f_Station_emettrice, f_pont, f_avance,
                                            f_hub1, AdressesMAC, f_destination, f_hub2, apropos})
        checkWindow(window, failures);
    // The real message boxes: two lines, two buttons, the longest warning.
    platform::setServices(nullptr);
    const QStringList boxTexts =
        ENGLISH ? QStringList{"You have carried out this transmission\nUse the New menu",
                              "This is not the time to handle this station"}
                : QStringList{"Vous avez mené à bien cette transmission\nUtilisez le menu Nouveau",
                              "Les tables ne sont pas correctement mises à jour"};
    for (const QString &text : boxTexts) {
        whenModal<QMessageBox>([&](QMessageBox *box) {
            checkWindow(box, failures);
            box->defaultButton()->click();
        });
        platform::messageBox(platform::BoxKind::Warning, text, platform::BoxButtons::OkCancel);
    }
    platform::setServices(&program.fake);
    for (const QString &failure : failures)
        qWarning("%s", qPrintable(failure));
    QVERIFY(failures.isEmpty());

    // The receiving station's frame row, disabled, draws its address in the text colour.
    controls::Grid *row = f_destination->trame;
    QVERIFY(!row->isEnabled());
    row->setText(0, 0, MACS[4]);
    const QColor text = row->palette().color(QPalette::Active, QPalette::Text);
    QVERIFY(text != row->palette().color(QPalette::Disabled, QPalette::Text));
    const QRect cell = row->cellRect(0, 0);
    const QImage shown = row->grab(cell).toImage().convertToFormat(QImage::Format_RGB32);
    int inText = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            inText += QColor(shown.pixel(x, y)) == text;
    QVERIFY2(inText >= 30, qPrintable(QString::number(inText)));
}

// Every word of every text in every window, message box included, after an exercise played to
// the end of the series with one mistake, and of the start-up errors, is a word of the English
// translation; and every text the program looked up had its translation.
void TestTextsFit::englishHasNoFrenchLeft()
{
    if (!ENGLISH)
        QSKIP("the French interface");
    QStringList texts;
    Unresolved unresolved;
    QCoreApplication::installTranslator(&unresolved);
    {
        ProgramFixture program(settings() + "explications=1\r\n", "2 5\nFIN\n");
        QVERIFY(program.started());
        student::clickDiagram(student::stationPoint(1)); // not the sender: refused
        program.fake.answers = {platform::BoxAnswer::Cancel};
        QVERIFY(!Principale->FormCloseQuery());
        QVERIFY(student::playExercise());
        QVERIFY(Principale->resultat->isVisible());
        platform::setServices(nullptr); // one real box, for its buttons
        whenModal<QMessageBox>([&](QMessageBox *box) {
            collectTexts(box, texts);
            box->defaultButton()->click();
        });
        platform::messageBox(platform::BoxKind::Warning, "Warning", platform::BoxButtons::OkCancel,
                             "Explained");
        platform::setServices(&program.fake);
        for (QWidget *window : QApplication::topLevelWidgets())
            collectTexts(window, texts);
        // Every refusal with its explanation, at every phase, every place of the destination.
        RefusalContext c;
        c.source = 2;
        c.station = 1;
        c.hub = 1;
        c.rowsWithoutOneTick = QStringList{f_avance->Hub1->text()};
        for (int row = 0; row < STATION_ROWS; ++row) {
            c.labels[row] = global.station_table[0][row];
            c.addresses[row] = global.station_table[1][row];
        }
        for (int kind = 0; kind < REFUSAL_KINDS; ++kind)
            for (int phase = PHASE_NEW; phase <= PHASE_RECEIVED; phase += 10)
                for (auto side : {TableSide::None, TableSide::Left, TableSide::Right})
                    for (int destination : {2, 5, int(DEST_BROADCAST)}) {
                        c.phase = std::uint8_t(phase);
                        c.entryPort = 1 + phase / 10 % 4;
                        c.destinationInTables = side;
                        c.destination = destination;
                        texts << refusalMessage(Refusal(kind))
                              << refusalExplanation(Refusal(kind), c);
                    }
        for (const RecordedBox &box : program.fake.boxes)
            texts << box.title << box.text << box.explanation;
        QCOMPARE(program.fake.boxes.size(), 3); // the refusal, the question, the success
    }
    // The start-up errors: the exercise list unreadable, then no exercise at all.
    for (const char *parameters : {"questions=nowhere\r\nlangue=en\r\n", "langue=en\r\n"}) {
        ProgramFixture program(defaultSettings(parameters));
        QCOMPARE(program.fake.boxes.size(), 1);
        texts << program.fake.boxes[0].title
              << program.fake.boxes[0].text.remove("nowhere/pontexos.kz");
    }
    QCoreApplication::removeTranslator(&unresolved);
    QVERIFY2(unresolved.missed.isEmpty(), qPrintable(unresolved.missed.values().join('\n')));

    // The English words: those of the translation, the frame row's and tables' acronyms, and the
    // program's name as the About dialog's title spells it.
    QSet<QString> english{"FCS", "TTL", "PONT"};
    QFile ts(KZ_TRANSLATION);
    QVERIFY(ts.open(QIODevice::ReadOnly));
    const QRegularExpression word(R"([^\W\d_]{2,})",
                                  QRegularExpression::UseUnicodePropertiesOption);
    for (QXmlStreamReader xml(&ts); xml.readNextStartElement() || !xml.atEnd();)
        if (xml.isStartElement() && xml.name() == QLatin1String("translation"))
            for (const auto &found : word.globalMatch(xml.readElementText()))
                english.insert(found.captured());
    const QRegularExpression address(R"([0-9A-F]{2}(-[0-9A-F]{2}){5})"); // data, not words
    QStringList french;
    for (const QString &text : texts)
        for (const auto &found : word.globalMatch(QString(text).remove(address)))
            if (!english.contains(found.captured()))
                french << found.captured() + " in " + text;
    french.removeDuplicates();
    QVERIFY2(french.isEmpty(), qPrintable(french.join('\n')));
}

QTEST_MAIN(TestTextsFit)
#include "test_texts_fit.moc"
