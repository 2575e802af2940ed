// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/frmversioninfo.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "view/qt/musicfont.h"

namespace sorvel {
namespace {

constexpr int kIconSize = 96;
constexpr int kNoticeWidth = 400;

QLabel* MakeIcon(QWidget* parent) {
    auto* icon = new QLabel(parent);
    icon->setObjectName(QStringLiteral("imgIcon"));
    const QPixmap picture(QStringLiteral(":/icons/sorvel-256.png"));
    const qreal ratio = parent->devicePixelRatioF();
    QPixmap scaled = picture.scaled(QSize(kIconSize, kIconSize) * ratio, Qt::KeepAspectRatio,
                                    Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    icon->setPixmap(scaled);
    icon->setFixedSize(kIconSize, kIconSize);
    icon->setAccessibleName(TfrmVersionInfo::tr("ソルベル"));
    return icon;
}

QLabel* MakeLine(QWidget* parent, const char* name, const QString& text, int pointSize, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(ResolveFontFamily(QStringLiteral("ＭＳ Ｐゴシック")));
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The licence's own text, as the program carries it.
QString LicenceText() {
    QFile file(QStringLiteral(":/LICENSE"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The copyright and the licence under it, as every free program states them.
QLabel* MakeNotice(QWidget* parent) {
    auto* notice =
        MakeLine(parent, "lblLicense",
                 QStringLiteral("Copyright © %1 Sorvel developers\n").arg(SORVEL_COPYRIGHT_YEARS) +
                     TfrmVersionInfo::tr("このプログラムはフリーソフトウェアです。GNU 一般公衆"
                                         "利用許諾書（GPL）バージョン 3、またはそれ以降のバージ"
                                         "ョンの条件のもとで、再配布や改変ができます。保証は一切"
                                         "ありません。"),
                 9, false);
    notice->setWordWrap(true);
    notice->setFixedWidth(kNoticeWidth);
    return notice;
}

}  // namespace

void TfrmVersionInfo::ShowLicence() {
    QDialog window(this);
    window.setObjectName(QStringLiteral("frmLicense"));
    window.setWindowTitle(tr("GNU 一般公衆利用許諾書"));
    auto* text = new QPlainTextEdit(LicenceText(), &window);
    text->setObjectName(QStringLiteral("memLicense"));
    text->setReadOnly(true);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setMinimumSize(620, 480);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
    connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(text);
    layout->addWidget(buttons);
    window.exec();
}

TfrmVersionInfo::TfrmVersionInfo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmVersionInfo"));
    setWindowTitle(tr("二胡専用数字譜エディター『ソルベル』のバージョン情報"));
    setModal(true);

    auto* text = new QVBoxLayout;
    text->setSpacing(10);
    text->addStretch();
    text->addWidget(
        MakeLine(this, "lblProgramName", tr("二胡専用数字譜エディター『ソルベル』"), 14, true));
    text->addWidget(MakeLine(this, "lblVersion", tr("Version 2.40"), 11, false));
    text->addWidget(MakeNotice(this));
    text->addStretch();

    auto* body = new QHBoxLayout;
    body->setSpacing(20);
    body->addWidget(MakeIcon(this), 0, Qt::AlignTop);
    body->addLayout(text, 1);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* licence = buttons->addButton(tr("ライセンス(&L)..."), QDialogButtonBox::HelpRole);
    licence->setObjectName(QStringLiteral("btnLicense"));
    licence->setAutoDefault(false);
    connect(licence, &QPushButton::clicked, this, &TfrmVersionInfo::ShowLicence);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    ok->setMinimumWidth(88);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 14);
    layout->setSpacing(14);
    layout->addLayout(body);
    layout->addWidget(rule);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace sorvel
