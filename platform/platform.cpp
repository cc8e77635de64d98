// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/platform.h"

#include "platform/desktop.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace platform
{

namespace
{

// A "Pourquoi ?" button that writes the explanation under the message, leaving the box open.
void offerExplanation(QMessageBox *box, const QString &explanation)
{
    QPushButton *why = box->addButton(QCoreApplication::translate("platform", "Pourquoi ?"),
                                      QMessageBox::ActionRole);
    why->setObjectName(QStringLiteral("pourquoi"));
    // Every button of a message box closes it: this one is taken off the box's own handling.
    QObject::disconnect(why, &QAbstractButton::clicked, nullptr, nullptr);
    QObject::connect(why, &QAbstractButton::clicked, box, [box, why, explanation] {
        box->setInformativeText(explanation);
        box->setAccessibleDescription(box->text() + QLatin1Char('\n') + explanation);
        why->setEnabled(false);
    });
}

// The text as a box shows it whole on any screen: a word longer than 40 characters (a folder
// name) gets a place to break after every 40, and one longer than 300 keeps only its first and
// last 150 characters (the whole text stays the box's accessible description).
QString breakable(const QString &text)
{
    QString out;
    for (const QString &word : text.split(u' ')) {
        QString kept = word.size() > 300 ? word.left(150) + QChar(0x2026) + word.right(150) : word;
        for (int at = 40; at < kept.size(); at += 41)
            kept.insert(at, QChar(0x200B)); // zero-width space
        out += (out.isEmpty() ? QString() : QStringLiteral(" ")) + kept;
    }
    return out;
}

class RealServices : public Services
{
public:
    BoxAnswer showBox(QWidget *parent, BoxKind kind, const QString &title, const QString &text,
                      BoxButtons buttons, const QString &explanation) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(title);
        box.setText(breakable(text));
        box.setIcon(kind == BoxKind::Warning       ? QMessageBox::Warning
                    : kind == BoxKind::Error       ? QMessageBox::Critical
                    : kind == BoxKind::Information ? QMessageBox::Information
                                                   : QMessageBox::Question);
        QPushButton *ok =
            box.addButton(QCoreApplication::translate("platform", "OK"), QMessageBox::AcceptRole);
        QPushButton *cancel = nullptr;
        if (buttons == BoxButtons::OkCancel)
            cancel = box.addButton(QCoreApplication::translate("platform", "Annuler"),
                                   QMessageBox::RejectRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(cancel ? cancel : ok);
        box.setAccessibleName(title);
        box.setAccessibleDescription(text);
        if (!explanation.isEmpty())
            offerExplanation(&box, explanation);
        // Centred over the window it answers, as Qt centres a dialog when it shows it, but before
        // its native window is made: some window managers place a window only where it was made.
        box.adjustSize();
        const QRect over = parent ? parent->window()->frameGeometry() : box.screen()->geometry();
        box.move(over.center() - box.rect().center());
        keepAbove(&box, true);
        box.exec();
        if (cancel && box.clickedButton() != ok)
            return BoxAnswer::Cancel;
        return BoxAnswer::Ok;
    }
    QDateTime now() override { return QDateTime::currentDateTime(); }
    void seedRandom() override
    {
        engine.seed(static_cast<std::mt19937::result_type>(
            QDateTime::currentMSecsSinceEpoch() ^ (QDateTime::currentMSecsSinceEpoch() >> 32)));
    }
    int random(int n) override
    {
        if (n <= 1)
            return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(engine);
    }
    void endProcess() override
    {
        std::fflush(nullptr);
        std::_Exit(0);
    }
    void quit() override { QCoreApplication::exit(0); }

private:
    std::mt19937 engine{5489u};
};

RealServices realServices;
Services *current = &realServices;

} // namespace

QString boxTitle(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Warning:
        return QCoreApplication::translate("platform", "Avertissement");
    case BoxKind::Error:
        return QCoreApplication::translate("platform", "Erreur");
    case BoxKind::Information:
        return QCoreApplication::translate("platform", "Information");
    case BoxKind::Confirmation:
        return QCoreApplication::translate("platform", "Confirmation");
    }
    return {};
}

void setServices(Services *replacement)
{
    current = replacement ? replacement : &realServices;
}

BoxAnswer messageBox(BoxKind kind, const QString &text, BoxButtons buttons,
                     const QString &explanation)
{
    QWidget *parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    const BoxAnswer answer =
        current->showBox(parent, kind, boxTitle(kind), text, buttons, explanation);
    // Give the window under the box its activation back. Without a window manager nothing else
    // does; when it is still the active window (a box that never took the activation), it is
    // told that the activation went and came back, as a shown box would have done.
    if (parent && parent->isVisible()) {
        QWidget *window = parent->window();
        if (QApplication::activeWindow() == window) {
            QEvent deactivate(QEvent::WindowDeactivate);
            QApplication::sendEvent(window, &deactivate);
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(window, &activate);
        } else {
            window->activateWindow();
        }
    }
    return answer;
}

QDateTime now()
{
    return current->now();
}
void seedRandom()
{
    current->seedRandom();
}
int random(int n)
{
    return current->random(n);
}
void endProcess()
{
    current->endProcess();
}

void quit()
{
    current->quit();
}

} // namespace platform
