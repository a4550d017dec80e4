// What the two transfer progress dialogs share: the bar, the caption label
// 10 units left of the percentage, the caption of the pass under way, and a
// load that runs once the modal loop is up, so that the transfer's end can
// leave it. The transfer's end unloads the dialog through Unload().
#pragma once

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QProgressBar;
class QVBoxLayout;

namespace ulbrix {

class CommEngine;
enum class TransferPass;

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    QProgressBar* ProgressBar1;  // percentage of the pass, 0..100
    QLabel* Label1;              // "Completion percentage:"
    QLabel* Label2;              // percent & "%"

    // Bar and percentage label.
    void ShowPercent(int percent);
    // The caption of the pass; a new pass starts its bar from 0.
    void ShowPass(TransferPass pass);
    // Ends the modal loop (the transfer has finished).
    void Unload();

protected:
    ProgressDialog(CommEngine& engine, const char* objectName, QWidget* parent);
    // A row of a caption label and its value label, right-aligned with the
    // caption ending 10 units left of the value.
    static QHBoxLayout* captionRow(QLabel* caption, QLabel* value);
    // Runs once, from the first turn of the modal loop.
    virtual void Form_Load() = 0;
    // Sets the bar only; a failure is reported by the caller's text.
    virtual void SetBar(int percent);
    void setTransferCaption();
    void showEvent(QShowEvent* e) override;

    CommEngine& engine_;
    QVBoxLayout* layout_;
    bool unloading_ = false;

private:
    bool loaded_ = false;
};

}  // namespace ulbrix
