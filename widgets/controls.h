// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Builders for the controls of every window: each control is placed at its pixel position, takes
// its name as objectName and its visible text as accessible name. Grids (widgets/grid.h) keep the
// (column, row) cell numbering of the windows' algorithms.
#pragma once

#include "core/geometry.h"
#include "widgets/grid.h"

#include <QString>

class QCheckBox;
class QFont;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace controls
{

// Loads the program's font (MS Sans Serif 8 pt, or its free replacement, or the closest sans-serif)
// and makes it the application's font. Idempotent.
void installProgramFont();
// Makes the application's style the program's: the platform's style, whose menu bars load the
// picture of their overflow button only when it is first drawn. Call before any window is made.
void installProgramStyle();

// Makes `widget`'s text bold (at `pixelSize` when given). The program's fonts have no true bold
// face (the free MS Sans Serif is a bitmap font, Tahoma's free bold is hardly heavier than its
// regular): bold texts take the bold face of a Helvetica-like outline font.
void setBold(QWidget *widget, int pixelSize = 0);
// Makes the label's font smaller, if need be, until its text fits its width.
void fitText(QLabel *label);

// A label sized to its text is at least one line of the layouts' 8-point font high, so that a
// font with a shorter line (Tahoma, on dense screens) keeps its accents and descenders.
constexpr int LINE_HEIGHT = 13;
// Check boxes and radio buttons: the gap between the box and its caption, as on the platform the
// layouts were drawn for; the captions were sized to it.
constexpr int CAPTION_SPACING = 4;

// The window frame the layouts were designed for: outer size = client size + these.
constexpr int FRAME_WIDTH = geometry::DESIGN_FRAME.width();
constexpr int FRAME_HEIGHT = geometry::DESIGN_FRAME.height();
void placeWindow(QWidget *window, int left, int top, int clientWidth, int clientHeight);
void placeWindowOuter(QWidget *window, int left, int top, int outerWidth, int outerHeight);

QWidget *panel(QWidget *parent, const char *name, int x, int y, int w, int h);
QLabel *label(QWidget *parent, const char *name, const QString &text, int x, int y, int w = -1,
              int h = -1);
// Sizes a label to its text, at least LINE_HEIGHT high (what `label` does without a size).
void sizeToText(QLabel *label);
// Gives a label or a button `text` as its text and accessible name, as the builders do.
void setCaption(QWidget *widget, const QString &text);
QPushButton *button(QWidget *parent, const char *name, const QString &text, int x, int y, int w,
                    int h);
// "Terminé"-style completion button: green check-mark glyph (greyed when disabled), default button.
QPushButton *completionButton(QWidget *parent, const char *name, const QString &text, int x, int y,
                              int w, int h);
QCheckBox *checkBox(QWidget *parent, const char *name, const QString &text, int x, int y, int w,
                    int h);
QRadioButton *radioButton(QWidget *parent, const char *name, const QString &text, int x, int y,
                          int w, int h);
QLineEdit *field(QWidget *parent, const char *name, int x, int y, int w, int h);

// A grid of text cells, not editable by typing, cells `rowHeight` high. The first `fixedRows` rows
// and `fixedColumns` columns are headers: drawn on the button face, never current.
Grid *grid(QWidget *parent, const char *name, const QString &accessibleName, int x, int y, int w,
           int h, int columns, int rows, int fixedColumns, int fixedRows, int rowHeight = 20);
// The frame row: one row of five cells 98, 98, 10, 140 and 22 pixels wide; cell 3 holds
// `caption` and cell 4 "FCS" (without a caption, the row is left without its texts).
Grid *frameRow(QWidget *parent, const char *name, int x, int y, const QString &caption = QString());
// The frame row's own texts (its name, `caption`, "FCS"), in the interface language.
void writeFrameRowTexts(Grid *row, const QString &caption);
// " Couches LLC et supérieures", in the interface language.
QString llcCaption();

} // namespace controls
