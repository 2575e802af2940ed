#include "editor/dialogs/frmversioninfo.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "view/qt/musicfont.h"

namespace sorvel {
namespace {

constexpr int kIconSize = 96;

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

}  // namespace

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
    text->addStretch();

    auto* body = new QHBoxLayout;
    body->setSpacing(20);
    body->addWidget(MakeIcon(this), 0, Qt::AlignTop);
    body->addLayout(text, 1);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    ok->setMinimumWidth(88);
    buttons->setCenterButtons(true);
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
