#pragma once
// The progress dialog of a read or a write: the percentage done and a
// Cancel button. Cancel (and closing the window, or Escape) only asks the
// session to stop; the session closes the dialog when it ends. Controls:
// Label1, Label2 (the percentage), ProgressBar1, Command1 (Cancel).
#include <cstdint>
#include <functional>

#include <QDialog>

#include "link/SessionHooks.h"

class FrmProgress : public QDialog {
public:
    explicit FrmProgress(QWidget* parent = nullptr);

    void SetProgressValue(int32_t value);
    void Command1_Click();
    // Shows the dialog modal; `load` runs once it is up. Returns when
    // CloseBySession was called.
    void RunModal(const std::function<void()>& load);
    void CloseBySession();

    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void ChangShowByLanguage();
    void justSize();

    bool closing_ = false;
    bool closed_ = false;
};

// The progress dialog as the session sees it.
class FrmProgressView : public ProgressView {
public:
    void RunModal(const std::function<void()>& load) override { form_.RunModal(load); }
    void SetProgressValue(int32_t value) override { form_.SetProgressValue(value); }
    bool IsVisible() const override { return form_.isVisible(); }
    void Close() override { form_.CloseBySession(); }
    FrmProgress& Form() { return form_; }

private:
    FrmProgress form_;
};
