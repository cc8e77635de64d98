// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The guide's pictures, made from the real program on the example files. A student who knows the
// answers plays their whole series: 2 -> 5, where the frame crosses the whole network, 1 -> 2,
// where the bridge filters it, 4 -> broadcast and 6 -> 1, up to the end of the series. Each
// element dialog is photographed as it stands filled in, at the moment its completion button is
// pressed; the screen as the student sees it (the main window under the two windows that stay on
// top of it) at the start, after the first exercise and at the end of the series. The names are
// those the guide links to.
#include "screenshots.h"

#include "dialogs/U_pont.h"
#include "dialogs/u_MACs.h"
#include "dialogs/u_dest.h"
#include "dialogs/u_hub.h"
#include "dialogs/u_hub2.h"
#include "dialogs/u_source.h"
#include "engine/anim_pont.h"
#include "engine/u_avance.h"
#include "support/fixture.h"
#include "support/student.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QPushButton>

namespace
{

// Saves a window's picture when one of the watched buttons is pressed, under the name given.
class Photographer : public QObject
{
public:
    explicit Photographer(const QString &dir) : dir(dir) {}

    void watch(QPushButton *button, QWidget *window, const QString &name)
    {
        shots.insert(button, {window, name});
        wanted.append(name);
        button->installEventFilter(this);
    }
    void forget() { shots.clear(); }

    void save(const QImage &image, const QString &name)
    {
        if (image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")))
            made.append(name);
        else
            unsaved.append(name);
    }

    // The pictures asked for and not made, whether a save failed or a button was never pressed.
    QStringList failures() const
    {
        QStringList missing = unsaved;
        for (const QString &name : wanted)
            if (!made.contains(name))
                missing.append(name);
        missing.removeDuplicates();
        return missing;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto shot = shots.constFind(watched);
            if (shot != shots.cend())
                save(framedWindow(shot->window), shot->name);
        }
        return false;
    }

private:
    struct Shot {
        QWidget *window;
        QString name;
    };
    QString dir;
    QHash<QObject *, Shot> shots;
    QStringList wanted;
    QStringList made;
    QStringList unsaved;
};

// The screen as the student sees it: the main window and, above it, the two windows that stay on
// top, each where it stands; cut to the corner of the desktop that they cover.
QImage screen()
{
    const QList<QWidget *> windows{Principale, AdressesMAC, f_avance};
    QRect covered;
    for (QWidget *w : windows)
        covered |= QRect(w->pos(), framedWindow(w).deviceIndependentSize().toSize());
    const QSize size(covered.right() + 9, covered.bottom() + 9);
    return desktop(windows).copy(QRect(QPoint(0, 0), size * qApp->devicePixelRatio()));
}

} // namespace

int makeGuidePictures(const QString &dir)
{
    ProgramFixture program(readExample("kz_pont.INI"), readExample("pontexos.kz"));
    if (!program.started() || !QDir().mkpath(dir))
        return 1;
    Photographer camera(dir);

    // Exercise 1, 2 -> 5: the screen at the start, then each dialog filled in.
    camera.save(screen(), QStringLiteral("bureau"));
    camera.watch(f_Station_emettrice->BitBtn1, f_Station_emettrice, QStringLiteral("emettrice"));
    camera.watch(f_hub1->BitBtn1, f_hub1, QStringLiteral("hub1"));
    camera.watch(f_pont->Termine, f_pont, QStringLiteral("pont"));
    camera.watch(f_hub2->BitBtn1, f_hub2, QStringLiteral("hub2"));
    camera.watch(f_destination->BitBtn1, f_destination, QStringLiteral("reception"));
    camera.watch(f_avance->fin_traitement, f_avance, QStringLiteral("avancement"));
    // A right answer refused stops the series: the examples must play as the guide tells.
    QString trouble;
    const auto play = [&trouble](int exercise) {
        const bool played = student::playExercise(&trouble);
        if (!played)
            qWarning("exercise %d: %s", exercise, qPrintable(trouble));
        return played;
    };
    if (!play(1))
        return 1;
    camera.save(screen(), QStringLiteral("chemin"));

    // Exercise 2, 1 -> 2: the bridge knows station 2 on the left and filters; hub 2 takes no
    // part. Exercises 3 and 4 end the series.
    camera.forget();
    camera.watch(f_pont->Termine, f_pont, QStringLiteral("pont-filtre"));
    camera.watch(f_avance->fin_traitement, f_avance, QStringLiteral("avancement-filtre"));
    for (int exercise = 2; exercise <= 4; ++exercise) {
        // Some minutes go by, so that the end of the series shows a time.
        Principale->Nouveau->trigger();
        program.fake.clock = program.fake.clock.addSecs(3 * 60 + 10);
        if (!play(exercise))
            return 1;
        camera.forget();
    }
    if (Principale->resultat->isHidden()) {
        qWarning("the series did not end after its fourth exercise");
        return 1;
    }
    // The two windows on top drawn aside by their title bars, as the guide tells the student to
    // read the result.
    const int aside =
        Principale->x() + framedWindow(Principale).deviceIndependentSize().width() + 8;
    AdressesMAC->move(aside, AdressesMAC->y());
    f_avance->move(aside, Principale->y());
    camera.save(screen(), QStringLiteral("fin-serie"));

    const QStringList failures = camera.failures();
    for (const QString &name : failures)
        qWarning("guide picture not made: %s", qPrintable(name));
    return failures.isEmpty() ? 0 : 1;
}
