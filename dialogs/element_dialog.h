// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What the element dialogs share: an activation handler, `FormActivate`, run when the dialog is
// shown and again when it gets the activation back from another window of the program (a message
// box over it closing), but not on the return from another application or from being minimised;
// and the two ways the main window shows a dialog: modally for work, above every other window of
// the program, and modelessly for review.
#pragma once

#include <QDialog>

class ElementDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ElementDialog(QWidget *parent);

    // Shows the dialog modally and returns when it has closed.
    void showForWork();
    // Shows the dialog without waiting.
    void showForReview();

protected:
    virtual void FormActivate() {}
    // Places the dialog where the showing about to come puts it, before its window is shown (some
    // window managers take a window's place only from where it was made).
    virtual void place() {}
    bool event(QEvent *event) override;
    // The program's showing runs the activation handler, where the window system may not
    // activate; the window system's own (a restore from minimised) does not.
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // The activation went to another window of the program, and its return runs the handler.
    bool lentToProgram = false;
};
