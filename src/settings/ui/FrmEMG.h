#pragma once
// The embedded-information viewer: the radio's identity, service and dealer
// data as the last embedded-information read left them (or their defaults).
// It only shows: every box is disabled, there is no OK, and nothing is ever
// written back.
//
// Controls (the printed report reads them by name and index): Frame1 round
// the dealer rows Text1(8..11) with Label1(10..13); Combo1(0) the model,
// Combo1(1) the band; Text1(0..11) (Text1(4), the maintenance reason, is a
// three-row QTextEdit, the others text boxes); Label2, Label1(0..13);
// CommandClose; CommandHelp, hidden.
#include <QDialog>

class FrmEMG : public QDialog {
public:
    explicit FrmEMG(QWidget* parent = nullptr);

    void ChangShowByLanguage();
    // Fills the model and band lists and the twelve boxes from EmbedInfo and
    // ModelName; the band items must be in place.
    void ShowByData();
    void CommandClose_Click();

private:
    void Form_Load();
};
