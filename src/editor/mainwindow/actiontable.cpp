#include "editor/mainwindow/actiontable.h"

namespace sorvel {

const std::vector<MenuEntry>& MainMenuTable() {
    static const std::vector<MenuEntry> table = {
        {"mnuFile",
         "ﾌｧｲﾙ(&F)",
         {
             {"actNewBook", "ﾌﾞｯｸ新規作成(&N)"},
             {"actNewSeet", "ﾍﾟｰｼﾞ新規作成(&M)"},
             {"actInsertPage_Before", "前にﾍﾟｰｼﾞ挿入(&F)"},
             {"actInsertPage_After", "後ろにﾍﾟｰｼﾞ挿入(&B)", nullptr, true},
             {"actOpen", "開く(&O)..."},
             {kReopenMenu, "開き直す(&R)"},
             {"actSave", "上書き保存(&S)"},
             {"actSaveAs", "名前を付けて保存(&A)..."},
             {"actSaveBitMap", "ビットマップで保存(&I)..."},
             {"actSavePdf", "PDFで保存(&D)..."},
             {"actImportMusicXml", "MusicXMLを読み込む(&L)..."},
             {"actExportMusicXml", "MusicXMLで保存(&E)...", nullptr, true},
             {"actPrintSetUp", "ﾌﾟﾘﾝﾀｰ設定(&U)...", nullptr, false, true},
             {"actPrintPreview", "印刷ﾌﾟﾚﾋﾞｭｰ(&V)..."},
             {"actPrint", "印刷(&P)...", nullptr, true},
             {kExitItem, "終了(&X)"},
         }},
        {"mnuEdit",
         "編集(&E)",
         {
             {"actUndo", "元に戻す(&U)", "Ctrl+Z"},
             {"actRedo", "やり直し(&R)", "Ctrl+Y", true},
             {"actCut", "切り取り(&T)", "Ctrl+X"},
             {"actCopy", "コピー(&C)", "Ctrl+C"},
             {"actPaste", "貼り付け(&P)", "Ctrl+V"},
             {"actDelete", "削除(&D)", nullptr, true},
             {"actAllSelect", "すべて選択(&A)", "Ctrl+A"},
             {"actSameSelect", "同じ種類の記号選択(&S)", "Ctrl+S", true},
             {"actVPos", "上下位置合わせ(&V)", "Ctrl+F"},
             {"actLenAutoSet", "音長自動セット(&L)", "Ctrl+T", true},
             {"actRightShift", "挿入（右ｼﾌﾄ）(&M)..."},
             {"actLeftShift", "削除（左ｼﾌﾄ）(&H)..."},
         }},
        {"mnuTool",
         "ﾂｰﾙ(&T)",
         {
             {"actGridSnap", "ｸﾞﾘｯﾄﾞｽﾅｯﾌﾟ(&G)", "Ctrl+G"},
             {"actDispGrid", "グリッドを表示する", "Ctrl+D"},
             {"actInputNoteMonitor", "入力音符をモニターする(&M)", "Ctrl+M"},
             {"actRhythmEntry", "リズム入力(&R)", "Ctrl+R", true},
             {"actPlay", "演奏(&L)..."},
             {"actDispKeyBoard", "ピアノ鍵盤(&K)..."},
             {"actTunung", "チューニング(&T)...", nullptr, true},
             {"actSetBookInfo", "ブック情報設定(&B)..."},
             {"actSetSeetInfo", "ﾍﾟｰｼﾞ情報設定(&P)..."},
             {"actSetOptionInfo", "ｵﾌﾟｼｮﾝ(&O)..."},
         }},
        {"mnuHelp",
         "ﾍﾙﾌﾟ(&H)",
         {
             {"actHelp", "操作説明(&H)...", nullptr, true},
             {"actVer", "ﾊﾞｰｼﾞｮﾝ情報(&A)..."},
         }},
    };
    return table;
}

const std::vector<ActionEntry>& PageBarTable() {
    static const std::vector<ActionEntry> table = {
        {"actFirstPage", "最初のﾍﾟｰｼﾞ(&F)"},
        {"actPriorPage", "前ﾍﾟｰｼﾞ(&V)"},
        {"actNextPage", "次ﾍﾟｰｼﾞ(&N)"},
        {"actLastPage", "最後のﾍﾟｰｼﾞ(&L)"},
        {"actTableOfContent", "目次...(&T)"},
        {"actInsertPage_Before", "前にﾍﾟｰｼﾞ挿入(&F)"},
        {"actInsertPage_After", "後ろにﾍﾟｰｼﾞ挿入(&B)"},
        {"actDeletePage", "ページ削除(&D)"},
        {"actMovePage", "ページ移動...", nullptr, false, true},
    };
    return table;
}

const std::vector<ToolButtonEntry>& ToolBarTable() {
    static const std::vector<ToolButtonEntry> table = {
        {"actNewSeet", "ﾍﾟｰｼﾞ新規作成"},   {"actPrint", "印刷"},      {"actOpen", "開く"},
        {"actUndo", "元に戻す"},           {"actSave", "上書き保存"}, {"actRedo", "やり直し"},
        {"actDispCursor", "カーソル表示"}, {"actPlayStop", "再生"},
    };
    return table;
}

}  // namespace sorvel
