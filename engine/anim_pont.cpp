// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/anim_pont.h"

#include "core/click_routing.h"
#include "core/exercise_choice.h"
#include "core/exercise_list.h"
#include "core/geometry.h"
#include "core/hub_rules.h"
#include "core/series_time.h"
#include "core/settings.h"
#include "dialogs/U_pont.h"
#include "dialogs/a_propos.h"
#include "dialogs/guide.h"
#include "dialogs/u_dest.h"
#include "dialogs/u_hub.h"
#include "dialogs/u_hub2.h"
#include "dialogs/u_source.h"
#include "engine/global.h"
#include "engine/language.h"
#include "engine/u_avance.h"
#include "pictures/artwork.h"
#include "platform/desktop.h"
#include "platform/platform.h"
#include "widgets/controls.h"
#include "widgets/picture_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

TPrincipale *Principale = nullptr;

namespace
{

using geometry::Wire;
namespace colour = geometry::colour;

// The keyboard's way into the diagram: each key presses the centre of its element's click zone.
QHash<int, QPoint> diagramKeys()
{
    QHash<int, QPoint> keys;
    for (int s = 1; s <= 6; ++s)
        for (int key : PictureView::digitKeys(s))
            keys.insert(key, geometry::STATION_ZONES[s].center());
    keys.insert(Qt::Key_G, geometry::HUB_ZONES[1].center());
    keys.insert(Qt::Key_D, geometry::HUB_ZONES[2].center());
    keys.insert(Qt::Key_P, geometry::BRIDGE_ZONE.center());
    return keys;
}

// What the diagram shows on a cable: the frame sent towards the hub (the first wire red) and
// repeated out of the hub (the second wire yellow).
QString cableShows(const PictureView *diagram, int cable)
{
    const auto drawn = [diagram, cable](Wire wire, const QColor &colour) {
        const QPoint start = geometry::wireOf(cable, wire).p1();
        return diagram->pixel(start.x(), start.y()) == colour;
    };
    QStringList path;
    if (drawn(Wire::ToHub, colour::FRAME_SENT))
        path << QCoreApplication::translate("TPrincipale", "émission");
    if (drawn(Wire::FromHub, colour::FRAME_REPEATED))
        path << QCoreApplication::translate("TPrincipale", "répétition");
    return path.isEmpty() ? QCoreApplication::translate("TPrincipale", "aucune trame")
                          : path.join(QCoreApplication::translate("TPrincipale", " et "));
}

// Whether the element is done, as the progress window's "Traité" column says.
QString treated(bool done)
{
    return done ? QCoreApplication::translate("TPrincipale", "Traité : oui. ")
                : QCoreApplication::translate("TPrincipale", "Traité : non. ");
}

// The diagram's elements for screen readers, at their click zones, each described by what the
// diagram and the progress window show of it now.
QList<PictureView::Part> diagramParts(PictureView *diagram)
{
    QList<PictureView::Part> parts;
    for (int s = 1; s <= 6; ++s)
        parts.append(
            {global.station_table[0][s],
             geometry::STATION_ZONES[s],
             [diagram, s] {
                 const bool done =
                     global.copied[s] ||
                     (f_avance && s == global.src_index && f_avance->_emetteur->isChecked()) ||
                     (f_avance && s == global.dest_index && f_avance->_destinataire->isChecked());
                 return treated(done) + QCoreApplication::translate("TPrincipale", "Câble : ") +
                        cableShows(diagram,
                                   geometry::cableOfPort(hubOfStation(s), portOfStation(s))) +
                        QLatin1Char('.');
             },
             {}});
    for (int n = 1; n <= 2; ++n)
        parts.append({QStringLiteral("Hub %1").arg(n),
                      geometry::HUB_ZONES[n],
                      [diagram, n] {
                          QStringList ports;
                          for (int p = 1; p <= 4; ++p)
                              ports << QCoreApplication::translate("TPrincipale", "port %1 : %2")
                                           .arg(p)
                                           .arg(cableShows(diagram, geometry::cableOfPort(n, p)));
                          const bool done =
                              f_avance && (n == 1 ? f_avance->_hub1 : f_avance->_hub2)->isChecked();
                          return treated(done) +
                                 QCoreApplication::translate("TPrincipale", "Câbles : ") +
                                 ports.join(QStringLiteral(", ")) + QLatin1Char('.');
                      },
                      {}});
    parts.append({QCoreApplication::translate("TPrincipale", "Pont"),
                  geometry::BRIDGE_ZONE,
                  [diagram] {
                      const auto side = [diagram](int hub) {
                          return cableShows(diagram, geometry::cableOfPort(hub, BRIDGE_PORT[hub]));
                      };
                      return treated(f_avance && f_avance->_Pont->isChecked()) +
                             QCoreApplication::translate("TPrincipale", "Câble gauche : ") +
                             side(1) +
                             QCoreApplication::translate("TPrincipale", ", câble droit : ") +
                             side(2) + QLatin1Char('.');
                  },
                  {}});
    return parts;
}

void drawWire(PictureView *picture, int cable, Wire wire, const QColor &color)
{
    picture->drawLine(geometry::wireOf(cable, wire), color);
}

} // namespace

TPrincipale::TPrincipale(QWidget *parent) : QMainWindow(parent)
{
    using namespace controls;
    setObjectName(QStringLiteral("Principale"));

    // The window's texts are written once the settings have chosen the language (setTexts).
    QMenuBar *menu = menuBar();
    menu->setObjectName(QStringLiteral("MainMenu1"));
    Nouveau = menu->addAction(QString());
    Nouveau->setObjectName(QStringLiteral("Nouveau"));
    APropos1 = menu->addAction(QString());
    APropos1->setObjectName(QStringLiteral("APropos1"));
    Quitter1 = menu->addAction(QString());
    Quitter1->setObjectName(QStringLiteral("Quitter1"));
    connect(Nouveau, &QAction::triggered, this, &TPrincipale::NouveauClick);
    connect(APropos1, &QAction::triggered, this, &TPrincipale::APropos1Click);
    connect(Quitter1, &QAction::triggered, this, &TPrincipale::Quitter1Click);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(632, 434);
    setCentralWidget(client);

    Label1 = label(client, "Label1", QString(), 24, 16);
    Edit1 = field(client, "Edit1", 160, 16, 121, 21);
    Label2 = label(client, "Label2", QString(), 288, 24);
    Edit2 = field(client, "Edit2", 312, 16, 121, 21);
    for (QLineEdit *edit : {Edit1, Edit2}) {
        setBold(edit);
        edit->setEnabled(false);
    }
    Label3 = label(client, "Label3", QString(), 128, 48, 393, 16);
    Label3->setAutoFillBackground(true);
    QPalette yellow = Label3->palette();
    yellow.setColor(QPalette::Window, colour::INSTRUCTION_GROUND);
    Label3->setPalette(yellow);

    Image1 = new PictureView(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(72, 72, 489, 185);
    Image1->setCursor(Qt::CrossCursor);
    Image1->setKeyPoints(diagramKeys());
    connect(Image1, &PictureView::pressed, this,
            [this](int x, int y, Qt::MouseButton) { Image1MouseDown(x, y); });

    Label4 = label(client, "Label4", QString(), 168, 264);
    trame_gauche = frameRow(client, "trame_gauche", 112, 296);
    trame_gauche->setSelection(Grid::Selection::None);
    trame_gauche->hide();

    resultat = label(client, "resultat", QString(), 40, 352, 521, 33);
    setBold(resultat, 16);
    resultat->setAlignment(Qt::AlignCenter);
    resultat->setFrameStyle(QFrame::Panel | QFrame::Raised);
    resultat->hide();

    setFixedSize(632, 434 + menu->sizeHint().height());
    move(1, 1);

    guide::installKey(this);
    FormCreate();
    Image1->setParts(diagramParts(Image1)); // named from the station table
}

void TPrincipale::setTexts()
{
    using namespace controls;
    setWindowTitle(tr("KZ Pont  -  Le pont transparent entre deux segments Ethernet"));
    menuBar()->setAccessibleName(tr("Menu"));
    Nouveau->setText(tr("Nouveau"));
    APropos1->setText(tr("A propos"));
    Quitter1->setText(tr("Quitter"));
    setCaption(Label1, tr("Emission d'une trame  de  : "));
    setCaption(Label2, tr("vers"));
    setCaption(Label4, tr("Note :       Les 6 machines  utilisent entre autres  le "
                          "\"protocole\" Netbeui "));
    for (QLabel *sized : {Label1, Label2, Label4})
        sizeToText(sized);
    setCaption(Label3, tr("Cliquer,  dans l'ordre,  sur chaque élément actif concerné"));
    setBold(Label3, 13);
    fitText(Label3);
    Edit1->setAccessibleName(tr("Station émettrice"));
    Edit2->setAccessibleName(tr("Destination"));

    // The diagram carries words ("Commutateur Ethernet"): drawn in the chosen language.
    Image1->setPicture(pictures::diagram(qApp->devicePixelRatio()));
    Image1->setAccessibleName(tr("Réseau"));
    const QString help = tr("Cliquer sur les éléments du réseau, ou au clavier :\n"
                            "1 à 6 : stations 1 à 6\n"
                            "G : Hub 1 (à gauche)\n"
                            "D : Hub 2 (à droite)\n"
                            "P : Pont\n"
                            "F1 : le guide");
    Image1->setToolTip(help);
    Image1->setAccessibleDescription(help);
    writeFrameRowTexts(trame_gauche, llcCaption());
}

// Start-up: the settings, the station table, the exercise list, then exercise 1.
void TPrincipale::FormCreate()
{
    global.phase = PHASE_STARTUP;
    platform::seedRandom();
    global.first_exercise = true;
    global.ttl_value = QStringLiteral("99");
    global.exercise_count = 0;
    global.exercise_number = 0;
    global.error_count = 0;
    // The frame row trame_gauche was laid out with the window.
    global.current_dir = QDir::currentPath();

    const std::optional<Settings> settings =
        Settings::open(findFileIgnoringCase(global.current_dir, SETTINGS_FILE));
    // Every text from here on is in the settings' language; without settings, in French.
    useLanguage(settings ? settings->readString(SECTION_PARAMS, QStringLiteral("langue"), {})
                         : QString());
    setTexts();
    if (!settings) {
        stop(QStringLiteral("KZ_pont.ini non trouvé sur ") +
             QDir::toNativeSeparators(global.current_dir));
        return;
    }

    fillStationTable(global.station_table, *settings);

    const auto integer = [&settings](const char *key, int defaultValue, int low, int high) {
        return qBound(low,
                      settings->readInteger(SECTION_PARAMS, QString::fromLatin1(key), defaultValue),
                      high);
    };
    global.dest_diff_src =
        settings->readBool(SECTION_PARAMS, QStringLiteral("dest_diff_src"), true);
    global.explanations = settings->readBool(SECTION_PARAMS, QStringLiteral("explications"), false);
    global.ttl_value = QString::number(integer("ttl_max", 99, 0, 255));
    global.freq_multi = static_cast<std::uint8_t>(integer("freq_multi", 1, 0, 249));
    global.questions_dir = settings->readString(SECTION_PARAMS, QStringLiteral("questions"), {});
    if (!global.questions_dir.isEmpty())
        read_exercise_list();
    global.hub_auto = integer("hub_auto", 0, 0, MAX_HUB_AUTO);
    for (int i = 1; i <= global.hub_auto; ++i)
        global.hub_manual[i] = true;
    global.hub_click_count = 0;

    draw_cables();
    if (global.exercise_count == 0 && !global.random_after_list) {
        stop(tr("Ni exercice imposé ni exercice aléatoire\n"
                "Fichier d'exercices incorrect"));
        return;
    }
    NouveauClick();
}

void TPrincipale::read_exercise_list()
{
    global.random_after_list = true;
    const std::optional<ExerciseListReading> reading =
        readExerciseListFile(findFileIgnoringCase(global.questions_dir, EXERCISE_FILE));
    if (!reading) {
        platform::messageBox(platform::BoxKind::Error,
                             tr("Le fichier %1 \n n'est pas accessible")
                                 .arg(QDir::toNativeSeparators(global.questions_dir) +
                                      QDir::separator() + EXERCISE_FILE));
        return;
    }
    global.random_after_list = reading->random_after_list;
    global.exercise_count = reading->count;
    for (int i = 1; i <= reading->count; ++i)
        global.exercise_list[i] = reading->entries[i];
}

void TPrincipale::stop(const QString &message)
{
    platform::messageBox(platform::BoxKind::Error, message);
    stopped = true;
    platform::endProcess();
}

void TPrincipale::NouveauClick()
{
    Nouveau->setEnabled(false);
    saturatingIncrement(global.exercise_number);
    global.phase = PHASE_NEW;
    trame_gauche->hide();
    draw_cables();
    if (f_avance)
        f_avance->writeCaption();
    choose_exercise();
    Edit1->setText(global.station_table[0][global.src_index]);
    Edit2->setText(global.station_table[0][global.dest_index]);
    for (bool &copied : global.copied)
        copied = false;
    if (global.first_exercise)
        global.start_time = platform::now();
    else
        reset_displays();
    global.first_exercise = false;
}

void TPrincipale::choose_exercise()
{
    const ExerciseEntry chosen =
        chooseExercise(global.exercise_number, global.exercise_list, global.exercise_count,
                       global.freq_multi, global.dest_diff_src, &platform::random);
    global.src_index = chosen.source;
    global.dest_index = chosen.destination;
}

void TPrincipale::reset_displays()
{
    for (int hub = 1; hub <= 2; ++hub) {
        for (int k = 1; k <= 8; ++k) {
            global.led_state[hub][k] = 0;
            hubDialog(hub)->paintLed(k, colour::LED_OFF);
        }
    }
    f_hub1->close();
    f_hub2->close();
    f_pont->close();
    f_destination->close();
    f_Station_emettrice->close();
    for (QCheckBox *box : {f_avance->_emetteur, f_avance->emetteur, f_avance->_destinataire,
                           f_avance->destinataire, f_avance->Hub1, f_avance->_hub1, f_avance->Hub2,
                           f_avance->_hub2, f_avance->Pont, f_avance->_Pont})
        box->setChecked(false);
    f_avance->fin_traitement->setEnabled(false);
}

void TPrincipale::FIN()
{
    if (global.exercise_count <= global.exercise_number && !global.random_after_list) {
        const qint64 seconds = global.start_time.secsTo(platform::now());
        resultat->setText(
            tr("TOUS LES EXERCICES ONT ETE TRAITES en %1").arg(formatElapsed(seconds)));
        resultat->setAccessibleName(resultat->text());
        controls::fitText(resultat);
        resultat->show();
        Nouveau->setEnabled(false);
    }
}

void TPrincipale::Quitter1Click()
{
    close();
}

bool TPrincipale::FormCloseQuery()
{
    return platform::messageBox(platform::BoxKind::Confirmation, tr("Terminer ?"),
                                platform::BoxButtons::OkCancel) == platform::BoxAnswer::Ok;
}

void TPrincipale::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    platform::quit();
}

void TPrincipale::APropos1Click()
{
    platform::keepAbove(apropos, true);
    apropos->exec();
}

// --- The diagram -------------------------------------------------------------------------------

void TPrincipale::Image1MouseDown(int x, int y)
{
    const geometry::DiagramHit hit = geometry::hitDiagram(QPoint(x, y));
    switch (hit.kind) {
    case geometry::DiagramHit::HubBand:
        if (x < 0 || !hub_clicked(static_cast<quint16>(x)))
            report_error(Refusal::NotTimeForHub);
        break;
    case geometry::DiagramHit::Station:
        global.clicked_station = static_cast<std::uint8_t>(hit.number);
        station_clicked();
        break;
    case geometry::DiagramHit::Bridge:
        bridge_clicked();
        break;
    case geometry::DiagramHit::Nothing:
        break;
    }
}

void TPrincipale::draw_cables()
{
    for (int cable = 1; cable <= geometry::CABLE_COUNT; ++cable) {
        drawWire(Image1, cable, Wire::ToHub, colour::CABLE_AT_REST);
        drawWire(Image1, cable, Wire::FromHub, colour::CABLE_AT_REST);
    }
}

void TPrincipale::station_clicked()
{
    // The station dialogs place themselves from the main window.
    global.main_top = y();
    global.main_left = x();
    if (const auto refusal = follow({geometry::DiagramHit::Station, global.clicked_station}))
        report_error(*refusal);
}

bool TPrincipale::hub_clicked(quint16 x)
{
    return !follow(geometry::hitDiagram(QPoint(x, geometry::HUB_BAND_TOP)));
}

void TPrincipale::bridge_clicked()
{
    if (const auto refusal = follow({geometry::DiagramHit::Bridge, 0}))
        report_error(*refusal);
}

std::optional<Refusal> TPrincipale::follow(const geometry::DiagramHit &hit)
{
    const routing::Response response = routing::respond(hit, situation());
    global.phase = response.phase;
    if (response.refusal)
        return response.refusal;
    if (response.then == routing::Then::HubPassed) {
        expectedLeds(response.entryPort, global.led_expected[hit.number]);
        global.current_hub = static_cast<std::uint8_t>(hit.number);
        // The hub's own activation records the phase too; this keeps the comparison afterwards
        // sound even where the window system never activates the dialog.
        global.phase_at_hub = response.passBegan;
    }
    for (const routing::Showing &showing : response.dialogs)
        show_dialog(showing);
    if (response.then != routing::Then::Nothing)
        carry_out(routing::afterwards(hit, response, situation()));
    return std::nullopt;
}

routing::State TPrincipale::situation() const
{
    routing::State state;
    state.phase = global.phase;
    state.source = global.src_index;
    state.destination = global.dest_index;
    std::copy(std::begin(global.copied), std::end(global.copied), state.copied);
    state.hubDone[1] = f_avance->_hub1->isChecked();
    state.hubDone[2] = f_avance->_hub2->isChecked();
    state.bridgeDone = f_avance->_Pont->isChecked();
    state.bridgeSide = f_pont->b_egauche->isChecked() ? 1 : f_pont->b_edroite->isChecked() ? 2 : 0;
    state.hubsAutomatic = hubsAutomatic(global.hub_auto, global.hub_manual);
    return state;
}

void TPrincipale::show_dialog(const routing::Showing &showing)
{
    using routing::Controls;
    const bool setControls = showing.controls != Controls::AsTheyAre;
    const bool working = showing.controls == Controls::Working;
    ElementDialog *dialog = nullptr;
    switch (showing.window) {
    case routing::Window::Sender:
        dialog = f_Station_emettrice;
        if (setControls)
            for (QWidget *control : std::initializer_list<QWidget *>{f_Station_emettrice->BitBtn2,
                                                                     f_Station_emettrice->BitBtn1,
                                                                     f_Station_emettrice->Label1})
                control->setVisible(working);
        break;
    case routing::Window::Hub: {
        Tf_hub *hub = hubDialog(showing.hub);
        dialog = hub;
        if (setControls) {
            hub->Panel->setEnabled(working);
            hub->Label1->setVisible(working);
            hub->BitBtn1->setVisible(working);
        }
        break;
    }
    case routing::Window::Bridge:
        dialog = f_pont;
        if (setControls) {
            f_pont->Panel->setEnabled(working);
            for (QPushButton *button :
                 {f_pont->BitBtn1, f_pont->Termine, f_pont->majgauche, f_pont->MAJdroite})
                button->setVisible(working);
        }
        break;
    case routing::Window::Receiver:
        dialog = f_destination;
        if (showing.copier != routing::Copier::AsItIs)
            f_destination->copier->setChecked(showing.copier == routing::Copier::Ticked);
        break;
    }
    switch (showing.mode) {
    case routing::Mode::Work:
        dialog->showForWork();
        break;
    case routing::Mode::Review:
        dialog->showForReview();
        break;
    case routing::Mode::Automatic:
        break;
    }
}

void TPrincipale::carry_out(const routing::Aftermath &after)
{
    global.phase = after.phase;
    if (after.copiedCount)
        global.copied_count = static_cast<std::uint8_t>(*after.copiedCount);
    if (after.frameRow) {
        trame_gauche->setText(0, 0, global.station_table[1][global.dest_index]);
        trame_gauche->setText(1, 0, global.station_table[1][global.src_index]);
        trame_gauche->show();
    }
    for (const routing::Line &line : after.lines)
        drawWire(Image1, line.cable, line.wire, line.colour);
    for (const auto &[k, colour] : after.leds)
        hubDialog(global.current_hub)->paintLed(k, colour);
    if (after.tick == routing::Tick::None)
        return;
    // The "done" boxes in the order of the ticks.
    QCheckBox *const done[] = {nullptr,         f_avance->_emetteur, f_avance->_hub1,
                               f_avance->_hub2, f_avance->_Pont,     f_avance->_destinataire};
    done[int(after.tick)]->setChecked(true);
    if (after.tick == routing::Tick::Receiver) {
        // The exercise may now be closed.
        f_avance->fin_traitement->setEnabled(true);
        f_avance->raise();
        f_avance->activateWindow();
    }
}
