#pragma once
// The progress dialog of a read or a write: the percentage done and a
// Cancel button. Cancel (and closing the window, or Escape) only asks the
// session to stop; the session closes the dialog when it ends. Controls:
// Label1, Label2 (the percentage), ProgressBar1, Command1 (Cancel), and the
// timer RefreshTimer that spaces the display's changes.
#include <cstdint>
#include <functional>
#include <optional>

#include <QDialog>
#include <QTimer>

#include "link/SessionHooks.h"

// The display takes a new percentage at most this often (25 a second, what
// a person can follow).
inline constexpr int kProgressRefreshMs = 40;

class FrmProgress : public QDialog {
public:
    explicit FrmProgress(QWidget* parent = nullptr);

    void SetProgressValue(int32_t value);
    // The running session's percentages: shown at once when the display has
    // been still for kProgressRefreshMs, otherwise the latest one when that
    // time is up. The last one shows before the session closes the dialog.
    void FollowProgress(int32_t value);
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
    void ShowDueProgress();

    bool closing_ = false;
    bool closed_ = false;
    QTimer* refresh_;
    std::optional<int32_t> due_;
};

// The progress dialog as the session sees it.
class FrmProgressView : public ProgressView {
public:
    void RunModal(const std::function<void()>& load) override { form_.RunModal(load); }
    void SetProgressValue(int32_t value) override { form_.FollowProgress(value); }
    bool IsVisible() const override { return form_.isVisible(); }
    void Close() override { form_.CloseBySession(); }
    FrmProgress& Form() { return form_; }

private:
    FrmProgress form_;
};
