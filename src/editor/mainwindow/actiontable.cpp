// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/mainwindow/actiontable.h"

#include <QtGlobal>

namespace sorvel {

const std::vector<MenuEntry>& MainMenuTable() {
    static const std::vector<MenuEntry> table = {
        {"mnuFile",
         QT_TRANSLATE_NOOP("MainMenu", "ﾌｧｲﾙ(&F)"),
         {
             {"actNewBook", QT_TRANSLATE_NOOP("MainMenu", "ﾌﾞｯｸ新規作成(&N)")},
             {"actNewSeet", QT_TRANSLATE_NOOP("MainMenu", "ﾍﾟｰｼﾞ新規作成(&M)")},
             {"actInsertPage_Before", QT_TRANSLATE_NOOP("MainMenu", "前にﾍﾟｰｼﾞ挿入(&F)")},
             {"actInsertPage_After", QT_TRANSLATE_NOOP("MainMenu", "後ろにﾍﾟｰｼﾞ挿入(&B)"), nullptr,
              true},
             {"actOpen", QT_TRANSLATE_NOOP("MainMenu", "開く(&O)...")},
             {kReopenMenu, QT_TRANSLATE_NOOP("MainMenu", "開き直す(&R)")},
             {"actSave", QT_TRANSLATE_NOOP("MainMenu", "上書き保存(&S)")},
             {"actSaveAs", QT_TRANSLATE_NOOP("MainMenu", "名前を付けて保存(&A)...")},
             {"actSaveBitMap", QT_TRANSLATE_NOOP("MainMenu", "ビットマップで保存(&I)...")},
             {"actSavePdf", QT_TRANSLATE_NOOP("MainMenu", "PDFで保存(&D)...")},
             {"actImportMusicXml", QT_TRANSLATE_NOOP("MainMenu", "MusicXMLを読み込む(&L)...")},
             {"actExportMusicXml", QT_TRANSLATE_NOOP("MainMenu", "MusicXMLで保存(&E)..."), nullptr,
              true},
             {"actTranscribeFile", QT_TRANSLATE_NOOP("MainMenu", "録音ファイルから採譜(&T)...")},
             {"actRecordTranscribe", QT_TRANSLATE_NOOP("MainMenu", "録音して採譜(&R)..."), nullptr,
              true},
             {"actPrintSetUp", QT_TRANSLATE_NOOP("MainMenu", "ﾌﾟﾘﾝﾀｰ設定(&U)..."), nullptr, false,
              true},
             {"actPrintPreview", QT_TRANSLATE_NOOP("MainMenu", "印刷ﾌﾟﾚﾋﾞｭｰ(&V)...")},
             {"actPrint", QT_TRANSLATE_NOOP("MainMenu", "印刷(&P)..."), nullptr, true},
             {kExitItem, QT_TRANSLATE_NOOP("MainMenu", "終了(&X)")},
         }},
        {"mnuEdit",
         QT_TRANSLATE_NOOP("MainMenu", "編集(&E)"),
         {
             {"actUndo", QT_TRANSLATE_NOOP("MainMenu", "元に戻す(&U)"), "Ctrl+Z"},
             {"actRedo", QT_TRANSLATE_NOOP("MainMenu", "やり直し(&R)"), "Ctrl+Y", true},
             {"actCut", QT_TRANSLATE_NOOP("MainMenu", "切り取り(&T)"), "Ctrl+X"},
             {"actCopy", QT_TRANSLATE_NOOP("MainMenu", "コピー(&C)"), "Ctrl+C"},
             {"actPaste", QT_TRANSLATE_NOOP("MainMenu", "貼り付け(&P)"), "Ctrl+V"},
             {"actDelete", QT_TRANSLATE_NOOP("MainMenu", "削除(&D)"), nullptr, true},
             {"actAllSelect", QT_TRANSLATE_NOOP("MainMenu", "すべて選択(&A)"), "Ctrl+A"},
             {"actSameSelect", QT_TRANSLATE_NOOP("MainMenu", "同じ種類の記号選択(&S)"), "Ctrl+S",
              true},
             {"actVPos", QT_TRANSLATE_NOOP("MainMenu", "上下位置合わせ(&V)"), "Ctrl+F"},
             {"actLenAutoSet", QT_TRANSLATE_NOOP("MainMenu", "音長自動セット(&L)"), "Ctrl+T", true},
             {"actRightShift", QT_TRANSLATE_NOOP("MainMenu", "挿入（右ｼﾌﾄ）(&M)...")},
             {"actLeftShift", QT_TRANSLATE_NOOP("MainMenu", "削除（左ｼﾌﾄ）(&H)...")},
         }},
        {"mnuTool",
         QT_TRANSLATE_NOOP("MainMenu", "ﾂｰﾙ(&T)"),
         {
             {"actGridSnap", QT_TRANSLATE_NOOP("MainMenu", "ｸﾞﾘｯﾄﾞｽﾅｯﾌﾟ(&G)"), "Ctrl+G"},
             {"actDispGrid", QT_TRANSLATE_NOOP("MainMenu", "グリッドを表示する"), "Ctrl+D"},
             {"actInputNoteMonitor", QT_TRANSLATE_NOOP("MainMenu", "入力音符をモニターする(&M)"),
              "Ctrl+M"},
             {"actRhythmEntry", QT_TRANSLATE_NOOP("MainMenu", "リズム入力(&R)"), "Ctrl+R", true},
             {"actPlay", QT_TRANSLATE_NOOP("MainMenu", "演奏(&L)...")},
             {"actDispKeyBoard", QT_TRANSLATE_NOOP("MainMenu", "ピアノ鍵盤(&K)...")},
             {"actTunung", QT_TRANSLATE_NOOP("MainMenu", "チューニング(&T)...")},
             {"actTuner", QT_TRANSLATE_NOOP("MainMenu", "チューナー(&U)...")},
             {"actCheckTake", QT_TRANSLATE_NOOP("MainMenu", "録音と照らし合わせる(&C)...")},
             {"actClearCheck", QT_TRANSLATE_NOOP("MainMenu", "照らし合わせた結果を消す(&E)"),
              nullptr, true},
             {"actSetBookInfo", QT_TRANSLATE_NOOP("MainMenu", "ブック情報設定(&B)...")},
             {"actSetSeetInfo", QT_TRANSLATE_NOOP("MainMenu", "ﾍﾟｰｼﾞ情報設定(&P)...")},
             {"actSetOptionInfo", QT_TRANSLATE_NOOP("MainMenu", "ｵﾌﾟｼｮﾝ(&O)...")},
         }},
        {"mnuHelp",
         QT_TRANSLATE_NOOP("MainMenu", "ﾍﾙﾌﾟ(&H)"),
         {
             {"actHelp", QT_TRANSLATE_NOOP("MainMenu", "操作説明(&H)..."), nullptr, true},
             {"actVer", QT_TRANSLATE_NOOP("MainMenu", "ﾊﾞｰｼﾞｮﾝ情報(&A)...")},
         }},
    };
    return table;
}

const std::vector<ActionEntry>& PageBarTable() {
    static const std::vector<ActionEntry> table = {
        {"actFirstPage", QT_TRANSLATE_NOOP("PageBar", "最初のﾍﾟｰｼﾞ(&F)")},
        {"actPriorPage", QT_TRANSLATE_NOOP("PageBar", "前ﾍﾟｰｼﾞ(&V)")},
        {"actNextPage", QT_TRANSLATE_NOOP("PageBar", "次ﾍﾟｰｼﾞ(&N)")},
        {"actLastPage", QT_TRANSLATE_NOOP("PageBar", "最後のﾍﾟｰｼﾞ(&L)")},
        {"actTableOfContent", QT_TRANSLATE_NOOP("PageBar", "目次...(&T)")},
        {"actInsertPage_Before", QT_TRANSLATE_NOOP("PageBar", "前にﾍﾟｰｼﾞ挿入(&F)")},
        {"actInsertPage_After", QT_TRANSLATE_NOOP("PageBar", "後ろにﾍﾟｰｼﾞ挿入(&B)")},
        {"actDeletePage", QT_TRANSLATE_NOOP("PageBar", "ページ削除(&D)")},
        {"actMovePage", QT_TRANSLATE_NOOP("PageBar", "ページ移動..."), nullptr, false, true},
    };
    return table;
}

const std::vector<ToolButtonEntry>& ToolBarTable() {
    static const std::vector<ToolButtonEntry> table = {
        {"actNewSeet", QT_TRANSLATE_NOOP("ToolBar", "ﾍﾟｰｼﾞ新規作成")},
        {"actPrint", QT_TRANSLATE_NOOP("ToolBar", "印刷")},
        {"actOpen", QT_TRANSLATE_NOOP("ToolBar", "開く")},
        {"actUndo", QT_TRANSLATE_NOOP("ToolBar", "元に戻す")},
        {"actSave", QT_TRANSLATE_NOOP("ToolBar", "上書き保存")},
        {"actRedo", QT_TRANSLATE_NOOP("ToolBar", "やり直し")},
        {"actDispCursor", QT_TRANSLATE_NOOP("ToolBar", "カーソル表示")},
        {"actPlayStop", QT_TRANSLATE_NOOP("ToolBar", "再生")},
    };
    return table;
}

}  // namespace sorvel
