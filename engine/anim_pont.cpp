// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/anim_pont.h"

#include "core/exercise_choice.h"
#include "core/exercise_list.h"
#include "core/geometry.h"
#include "core/hub_rules.h"
#include "core/series_time.h"
#include "core/settings.h"
#include "dialogs/U_pont.h"
#include "dialogs/a_propos.h"
#include "dialogs/u_dest.h"
#include "dialogs/u_hub.h"
#include "dialogs/u_hub2.h"
#include "dialogs/u_source.h"
#include "engine/global.h"
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
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

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

const QString DIAGRAM_HELP = QStringLiteral("Cliquer sur les éléments du réseau, ou au clavier :\n"
                                            "1 à 6 : stations 1 à 6\n"
                                            "G : Hub 1 (à gauche)\n"
                                            "D : Hub 2 (à droite)\n"
                                            "P : Pont");

const QString MAIN_TITLE =
    QStringLiteral("KZ Pont  -  Le pont transparent entre deux segments Ethernet");

void drawWire(PictureView *picture, int cable, Wire wire, const QColor &color)
{
    picture->drawLine(geometry::wireOf(cable, wire), color);
}

bool sameHub(int a, int b)
{
    return isLeftStation(a) == isLeftStation(b);
}

} // namespace

TPrincipale::TPrincipale(QWidget *parent) : QMainWindow(parent)
{
    using namespace controls;
    setObjectName(QStringLiteral("Principale"));
    setWindowTitle(MAIN_TITLE);

    QMenuBar *menu = menuBar();
    menu->setObjectName(QStringLiteral("MainMenu1"));
    menu->setAccessibleName(QStringLiteral("Menu"));
    Nouveau = menu->addAction(QStringLiteral("Nouveau"));
    Nouveau->setObjectName(QStringLiteral("Nouveau"));
    APropos1 = menu->addAction(QStringLiteral("A propos"));
    APropos1->setObjectName(QStringLiteral("APropos1"));
    Quitter1 = menu->addAction(QStringLiteral("Quitter"));
    Quitter1->setObjectName(QStringLiteral("Quitter1"));
    connect(Nouveau, &QAction::triggered, this, &TPrincipale::NouveauClick);
    connect(APropos1, &QAction::triggered, this, &TPrincipale::APropos1Click);
    connect(Quitter1, &QAction::triggered, this, &TPrincipale::Quitter1Click);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(632, 434);
    setCentralWidget(client);

    Label1 = label(client, "Label1", QStringLiteral("Emission d'une trame  de  : "), 24, 16);
    Edit1 = field(client, "Edit1", 160, 16, 121, 21);
    Label2 = label(client, "Label2", QStringLiteral("vers"), 288, 24);
    Edit2 = field(client, "Edit2", 312, 16, 121, 21);
    Edit1->setAccessibleName(QStringLiteral("Station émettrice"));
    Edit2->setAccessibleName(QStringLiteral("Destination"));
    for (QLineEdit *edit : {Edit1, Edit2}) {
        setBold(edit);
        edit->setEnabled(false);
    }
    Label3 = label(client, "Label3",
                   QStringLiteral("Cliquer,  dans l'ordre,  sur chaque élément actif concerné"),
                   128, 48, 393, 16);
    setBold(Label3, 13);
    fitText(Label3);
    Label3->setAutoFillBackground(true);
    QPalette yellow = Label3->palette();
    yellow.setColor(QPalette::Window, colour::INSTRUCTION_GROUND);
    Label3->setPalette(yellow);

    Image1 = new PictureView(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Réseau"));
    Image1->setGeometry(72, 72, 489, 185);
    Image1->setCursor(Qt::CrossCursor);
    Image1->setPicture(pictures::diagram(qApp->devicePixelRatio()));
    Image1->setKeyPoints(diagramKeys());
    Image1->setToolTip(DIAGRAM_HELP);
    Image1->setAccessibleDescription(DIAGRAM_HELP);
    connect(Image1, &PictureView::pressed, this,
            [this](int x, int y, Qt::MouseButton) { Image1MouseDown(x, y); });

    Label4 = label(client, "Label4",
                   QStringLiteral("Note :       Les 6 machines  utilisent entre autres  le "
                                  "\"protocole\" Netbeui "),
                   168, 264);
    trame_gauche = frameRow(client, "trame_gauche", 112, 296, LLC_CAPTION);
    trame_gauche->setSelection(Grid::Selection::None);
    trame_gauche->hide();

    resultat = label(client, "resultat", QString(), 40, 352, 521, 33);
    setBold(resultat, 16);
    resultat->setAlignment(Qt::AlignCenter);
    resultat->setFrameStyle(QFrame::Panel | QFrame::Raised);
    resultat->hide();

    setFixedSize(632, 434 + menu->sizeHint().height());
    move(1, 1);

    FormCreate();
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
        stop(QStringLiteral("Ni exercice imposé ni exercice aléatoire\n"
                            "Fichier d'exercices incorrect"));
        return;
    }
    NouveauClick();
}

void TPrincipale::read_exercise_list()
{
    global.random_after_list = true;
    QFile file(findFileIgnoringCase(global.questions_dir, EXERCISE_FILE));
    if (QFileInfo(file.fileName()).isDir() || !file.open(QIODevice::ReadOnly)) {
        platform::messageBox(platform::BoxKind::Error,
                             QStringLiteral("Le fichier ") +
                                 QDir::toNativeSeparators(global.questions_dir) +
                                 QDir::separator() + EXERCISE_FILE + QStringLiteral(" \n") +
                                 QStringLiteral(" n'est pas accessible"));
        return;
    }
    const ExerciseListReading reading = parseExerciseList(file.readAll());
    global.random_after_list = reading.random_after_list;
    global.exercise_count = reading.count;
    for (int i = 1; i <= reading.count; ++i)
        global.exercise_list[i] = reading.entries[i];
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
        resultat->setText(QStringLiteral("TOUS LES EXERCICES ONT ETE TRAITES en ") +
                          formatElapsed(seconds));
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
    return platform::messageBox(platform::BoxKind::Confirmation, QStringLiteral("Terminer ?"),
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
    const int c = global.clicked_station, s = global.src_index, d = global.dest_index;
    global.main_top = y();
    global.main_left = x();

    if (global.phase <= PHASE_NEW) {
        global.phase = PHASE_NEW;
        if (c != s) {
            report_error(Refusal::NotTheSender);
            return;
        }
        f_Station_emettrice->BitBtn2->setVisible(true);
        f_Station_emettrice->BitBtn1->setVisible(true);
        f_Station_emettrice->Label1->setVisible(true);
        f_Station_emettrice->showForWork();
        if (global.phase == PHASE_SENT) {
            trame_gauche->setText(0, 0, global.station_table[1][d]);
            trame_gauche->setText(1, 0, global.station_table[1][s]);
            trame_gauche->show();
            f_avance->_emetteur->setChecked(true);
            drawWire(Image1, geometry::cableOfPort(hubOfStation(c), portOfStation(c)), Wire::ToHub,
                     colour::FRAME_SENT);
        }
        return;
    }

    if (global.phase < PHASE_FINAL_SEGMENT) {
        if (show_sender_read_only())
            return;
        if (global.copied[c]) {
            f_destination->copier->setChecked(true);
            f_destination->showForWork();
            return;
        }
        if (isGroupDestination(d) && global.phase > PHASE_SENT && sameHub(c, s)) {
            f_destination->copier->setChecked(false);
            f_destination->showForWork();
            return;
        }
        report_error(Refusal::NotTimeForStation);
        return;
    }

    if (global.phase == PHASE_FINAL_SEGMENT) {
        if (show_sender_read_only())
            return;
        if (global.copied[c]) {
            f_destination->copier->setChecked(true);
            f_destination->showForWork();
        } else {
            if (!isGroupDestination(d) && d != c) {
                report_error(Refusal::NotTimeForStation);
                return;
            }
            f_destination->copier->setChecked(false);
            f_destination->showForWork();
            if (isGroupDestination(d)) {
                global.copied_count = 0;
                for (int station = 1; station <= 6; ++station)
                    global.copied_count += global.copied[station] ? 1 : 0;
                if (global.copied_count < GROUP_RECEIVERS)
                    return;
                global.phase = PHASE_RECEIVED;
            }
        }
        if (global.phase == PHASE_RECEIVED) {
            f_avance->_destinataire->setChecked(true);
            f_avance->fin_traitement->setEnabled(true);
            f_avance->raise();
            f_avance->activateWindow();
        }
        return;
    }

    // The exercise is complete: the sender and the receivers can be looked at.
    if (c == s)
        f_Station_emettrice->showForReview();
    if (c == d || global.copied[c])
        f_destination->showForReview();
}

bool show_sender_read_only()
{
    if (global.clicked_station != global.src_index)
        return false;
    f_Station_emettrice->BitBtn2->setVisible(false);
    f_Station_emettrice->BitBtn1->setVisible(false);
    f_Station_emettrice->Label1->setVisible(false);
    f_Station_emettrice->showForReview();
    return true;
}

bool TPrincipale::hub_clicked(quint16 x)
{
    const int n = geometry::hitDiagram(QPoint(x, geometry::HUB_BAND_TOP)).number;
    if (n == 0)
        return false;
    Tf_hub *dialog = hubDialog(n);
    QCheckBox *done = n == 1 ? f_avance->_hub1 : f_avance->_hub2;

    if (done->isChecked()) {
        dialog->Panel->setEnabled(false);
        dialog->Label1->setVisible(false);
        dialog->BitBtn1->setVisible(false);
        dialog->showForReview();
        return true;
    }
    const int s = global.src_index;
    const bool fromStation =
        (n == 1 ? isLeftStation(s) : isRightStation(s)) && global.phase == PHASE_SENT;
    const bool fromBridge = (n == 1 ? f_pont->b_egauche : f_pont->b_edroite)->isChecked() &&
                            global.phase == PHASE_BRIDGE;
    if (!fromStation && !fromBridge)
        return false;

    dialog->Panel->setEnabled(true);
    dialog->Label1->setVisible(true);
    dialog->BitBtn1->setVisible(true);
    std::uint8_t(&expected)[9] = global.led_expected[n];
    expectedLeds(entryPort(n, global.phase, s), expected);
    global.current_hub = static_cast<std::uint8_t>(n);

    if (auto_hub_pass()) {
        // The hub's own activation records the phase too; this keeps the comparison below
        // sound even where the window system never activates the dialog.
        global.phase_at_hub = global.phase;
        dialog->showForWork();
    }
    if (global.phase == global.phase_at_hub)
        return true;

    for (int p = 1; p <= 4; ++p)
        if (expected[2 * p])
            drawWire(Image1, geometry::cableOfPort(n, p), Wire::FromHub, colour::FRAME_REPEATED);
    for (int k = 1; k <= 8; k += 2)
        if (global.led_expected[global.current_hub][k])
            dialog->paintLed(k, colour::RX_LIT);
    for (int k = 2; k <= 8; k += 2)
        if (global.led_expected[global.current_hub][k])
            dialog->paintLed(k, colour::TX_LIT);
    done->setChecked(true);
    return true;
}

bool auto_hub_pass()
{
    if (global.hub_auto <= 0)
        return true;
    for (int i = 1; i <= global.hub_auto && i <= MAX_HUB_AUTO; ++i)
        if (global.hub_manual[i])
            return true;
    global.phase_at_hub = global.phase;
    if (global.phase == PHASE_SENT)
        global.phase = PHASE_SOURCE_HUB;
    else if (global.phase == PHASE_BRIDGE)
        global.phase = PHASE_FINAL_SEGMENT;
    return false;
}

void TPrincipale::bridge_clicked()
{
    if (global.phase < PHASE_SOURCE_HUB) {
        report_error(Refusal::NotTimeForBridge);
        return;
    }
    const bool done = f_avance->_Pont->isChecked();
    f_pont->Panel->setEnabled(!done);
    for (QPushButton *button :
         {f_pont->BitBtn1, f_pont->Termine, f_pont->majgauche, f_pont->MAJdroite})
        button->setVisible(!done);
    if (done) {
        f_pont->showForReview();
        return;
    }
    f_pont->showForWork();
    if (global.phase >= PHASE_BRIDGE) {
        f_avance->_Pont->setChecked(true);
        // The bridge sends into the hub on the chosen side, on its own cable there.
        for (int hub : {1, 2})
            if ((hub == 1 ? f_pont->b_egauche : f_pont->b_edroite)->isChecked())
                drawWire(Image1, geometry::cableOfPort(hub, BRIDGE_PORT[hub]), Wire::ToHub,
                         colour::FRAME_SENT);
    }
}
