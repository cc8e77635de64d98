// What the element dialogs share: an activation handler, `FormActivate`, run each time the dialog
// becomes the active window (when shown, and again when a message box over it closes), and the two
// ways the main window shows a dialog: modally for work, above every other window of the program,
// and modelessly for review.
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
    bool event(QEvent *event) override;
    // Showing runs the activation handler too, where the window system does not activate.
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};
