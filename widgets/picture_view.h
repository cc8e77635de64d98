// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture with a drawing surface: shows a QImage unscaled at its top-left corner, reports mouse
// presses in the picture's logical pixels, and draws the program's lines and squares into the
// image itself, pixel by pixel, so that what is drawn stays until it is drawn over. Lines follow
// the usual raster rule: every pixel from the start point up to, but not including, the end point.
// On a high-density screen each logical pixel is a dpr x dpr block, so drawings stay sharp and
// cover exactly what they are meant to cover.
// A picture given key points takes the keyboard focus: each of those keys is a press at its
// point, so the owner's click handling serves the keyboard too. A picture can also be given as the
// function that makes it: it is then made when first shown, drawn into or read, so that the
// pictures of a window not yet shown cost nothing.
// A picture given parts (the diagram's elements, the LEDs of a panel) shows them to screen readers
// as its children, each at its zone, pressed by its action as a click at the zone's centre would
// be; after each press, and after each drawing, screen readers are told what changed.
#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QLine>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class PictureView : public QWidget
{
    Q_OBJECT
public:
    explicit PictureView(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    void setPicture(std::function<QImage()> make);
    const QImage &picture() const;

    void fillRect(const QRect &rect, const QColor &color);
    // Draws from the line's first point towards its second, the second excluded.
    void drawLine(const QLine &line, const QColor &color);
    // The colour of a logical pixel (its top-left device pixel).
    QColor pixel(int x, int y) const;

    // Keys (Qt::Key values) that press the picture at a point; a picture with keys takes focus.
    void setKeyPoints(const QHash<int, QPoint> &points);
    // The keys that type digit n (1..9): the digit itself, and on a French keyboard the unshifted
    // key of the top row that carries it (&, é, ", ', (, -, è, _, ç).
    static QList<int> digitKeys(int n);

    // A part of the picture: a push button, or a check box when `checked` is given; `describe`,
    // when given, says what the picture shows of it now.
    struct Part {
        QString name;
        QRect zone;
        std::function<QString()> describe;
        std::function<bool()> checked;
    };
    void setParts(const QList<Part> &parts);
    const QList<Part> &parts() const { return partList; }
    // A press at the centre of part `index`'s zone, when a click there would reach the picture.
    void pressPart(int index);

signals:
    // A mouse press, or a key press at its point (button Qt::NoButton).
    void pressed(int x, int y, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void plot(int x, int y, QRgb rgb);
    void press(QPoint point, Qt::MouseButton button);
    // Notes the parts' states and descriptions before a change (once: then they are kept
    // up to date); tells screen readers of those that changed since.
    void rememberParts();
    void announceParts();
    void announcePartsLater();
    mutable QImage image;
    mutable std::function<QImage()> maker; // until the picture is made
    QHash<int, QPoint> keyPoints;
    QList<Part> partList;
    QList<bool> announcedChecked;
    QStringList announcedDescriptions;
    bool announcing = false;
};
