// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print preview: one page of the book as it prints, on a grey scroll box,
// with page buttons, the page number, a zoom list and a print button. It
// keeps its zoom between showings; it changes nothing in the book.
#include <QDialog>
#include <QImage>
#include <functional>
#include <memory>
#include <vector>

#include "model/modelenv.h"
#include "print/pagerenderer.h"

namespace Ui {
class TfrmPreview;
}

namespace sorvel {

class TMusicBook;
class PreviewSheet;
class PreviewPicture;

// The zoom list: entry text and factor in per cent, in list order.
struct PreviewZoom {
    const char* text;
    int percent;
};
const std::vector<PreviewZoom>& PreviewZoomTable();
inline constexpr int kPreviewStartZoomIndex = 2;  // " 50%"
inline constexpr int kPreviewScrollStep = 32;     // pixels per wheel notch

class TfrmPreview : public QDialog {
    Q_OBJECT

public:
    explicit TfrmPreview(ModelEnv& env, QWidget* parent = nullptr);
    ~TfrmPreview() override;

    // The book and the 1-based page to show when the window is shown next.
    void SetBook(TMusicBook* book, int pageNo);
    // What the print button runs, and whether it is enabled.
    void SetPrintCommand(std::function<void()> print, bool enabled);

    int PageNo() const { return pageNo_; }
    int ZoomPercent() const;
    // The picture as shown: its widget and the page drawn at the zoom.
    QWidget* Picture() const;
    const QImage& Image() const { return image_; }

    // The page buttons' steps.
    void FirstPage() { ShowPage(1); }
    void PriorPage() { ShowPage(pageNo_ - 1); }
    void NextPage() { ShowPage(pageNo_ + 1); }
    void LastPage();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowPage(int pageNo);
    void Render();
    void Centre();
    void UpdateButtons();
    // Moves the vertical bar by one step per wheel notch; true when the
    // event was the window's to handle.
    bool ScrollByWheel(QWheelEvent* event);

    std::unique_ptr<Ui::TfrmPreview> ui_;
    ModelEnv& env_;
    PageRenderer renderer_;
    PreviewSheet* sheet_ = nullptr;
    PreviewPicture* picture_ = nullptr;
    TMusicBook* book_ = nullptr;
    int pageNo_ = 1;
    QImage image_;
    int wheelRemainder_ = 0;
    std::function<void()> print_;
};

}  // namespace sorvel
