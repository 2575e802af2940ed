// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/frmsettext.h"

#include <QFontDatabase>

#include "base/commatext.h"
#include "base/cp932.h"
#include "base/text.h"
#include "model/textbox.h"
#include "ui_frmsettext.h"
#include "view/qt/musicfont.h"

namespace sorvel {

namespace {

QString ToDisplay(const std::string& cp932Bytes) {
    return QString::fromStdString(cp932::ToUtf8(cp932Bytes));
}

int Number(const QString& entry) {
    QString digits = entry.trimmed();
    if (digits.endsWith(QLatin1Char('%'))) digits.chop(1);
    return StrToIntDef(Trim(digits.toStdString()), 0);
}

// The memo's lines as a memo counts them: a final line break starts no line.
QStringList MemoLines(QString text) {
    if (text.isEmpty()) return {};
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text.split(QLatin1Char('\n'));
}

}  // namespace

TfrmSetText::TfrmSetText(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TfrmSetText>()) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui_->cmbFontName->addItems(QFontDatabase::families());
    ui_->cmbFontName->setCurrentIndex(0);
    connect(ui_->cmbFontName, &QComboBox::currentIndexChanged, this, [this] { UpdateMemoFont(); });
    connect(ui_->cmbFontSize, &QComboBox::currentIndexChanged, this, [this] { UpdateMemoFont(); });
    connect(ui_->cmbFrameLineWidth, &QComboBox::currentIndexChanged, this,
            [this] { UpdateFrameFields(); });
    connect(ui_->btnOK, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(ui_->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmSetText::~TfrmSetText() = default;

void TfrmSetText::SelectOrAdd(QComboBox* list, const QString& value, bool atTop) {
    const QSignalBlocker block(list);
    for (auto it = added_.begin(); it != added_.end();) {
        if (it->first == list) {
            list->removeItem(list->findText(it->second, Qt::MatchExactly));
            it = added_.erase(it);
        } else {
            ++it;
        }
    }
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i).trimmed() == value.trimmed()) {
            list->setCurrentIndex(i);
            return;
        }
    }
    const int index = atTop ? 0 : list->count();
    list->insertItem(index, value);
    added_.append({list, value});
    list->setCurrentIndex(index);
}

void TfrmSetText::Prepare(TTextBox& box) {
    box_ = &box;
    shownFontName_ = ToDisplay(box.FontName());
    SelectOrAdd(ui_->cmbFontName, shownFontName_, true);
    SelectOrAdd(ui_->cmbFontSize, QString::number(box.FontSize()), false);
    SelectOrAdd(ui_->cmbFrameLineWidth, QString::number(box.FrameLineWidth()), false);
    SelectOrAdd(ui_->cmbRowSpace, QString::number(box.RowSpace()) + "%", false);
    ui_->edtFrameWidth->setValue(box.FrameWidth());
    ui_->edtFrameHeight->setValue(box.FrameHeight());
    QStringList lines;
    for (const std::string& line : SplitCommaText(box.CSVText())) lines << ToDisplay(line);
    shownText_ = lines.join(QLatin1Char('\n'));
    ui_->memText->setPlainText(shownText_);
    UpdateMemoFont();
    UpdateFrameFields();
    ui_->memText->setFocus(Qt::OtherFocusReason);
    ui_->memText->selectAll();
}

bool TfrmSetText::Execute(TTextBox& box) {
    Prepare(box);
    return exec() == QDialog::Accepted;
}

void TfrmSetText::UpdateMemoFont() {
    QFont font = ScoreTextFont(ui_->cmbFontName->currentText());
    const int points = Number(ui_->cmbFontSize->currentText());
    if (points > 0) font.setPointSize(points);
    ui_->memText->setFont(font);
}

void TfrmSetText::UpdateFrameFields() {
    const bool framed = ui_->cmbFrameLineWidth->currentText().trimmed() != QLatin1String("0");
    for (QWidget* w :
         {static_cast<QWidget*>(ui_->lblFrameWidth), static_cast<QWidget*>(ui_->edtFrameWidth),
          static_cast<QWidget*>(ui_->lblFrameHeight), static_cast<QWidget*>(ui_->edtFrameHeight)}) {
        w->setEnabled(framed);
    }
}

void TfrmSetText::Confirm() {
    ui_->edtFrameWidth->interpretText();
    ui_->edtFrameHeight->interpretText();
    accept();
}

void TfrmSetText::Apply() {
    if (TTextBox* box = box_) {
        const QString fontName = ui_->cmbFontName->currentText();
        box->SetFontName(fontName == shownFontName_ ? box->FontName()
                                                    : cp932::FromUtf8(fontName.toStdString()));
        box->SetFontSize(Number(ui_->cmbFontSize->currentText()));
        box->SetFrameLineWidth(Number(ui_->cmbFrameLineWidth->currentText()));
        box->SetRowSpace(Number(ui_->cmbRowSpace->currentText()));
        box->SetFrameWidth(ui_->edtFrameWidth->value());
        box->SetFrameHeight(ui_->edtFrameHeight->value());
        const QString text = ui_->memText->toPlainText();
        if (text != shownText_) {
            std::vector<std::string> lines;
            for (const QString& line : MemoLines(text)) {
                lines.push_back(cp932::FromUtf8(line.toStdString()));
            }
            box->SetCSVText(JoinCommaText(lines));
        }
    }
}

}  // namespace sorvel
