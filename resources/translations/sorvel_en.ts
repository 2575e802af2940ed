<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja">
<context>
    <name>BookNames</name>
    <message>
        <source>無題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - 二胡専用数字譜エディター『ソルベル』</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookPrinter</name>
    <message>
        <source>印刷するページがありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷を開始できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
ファイル: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷中にエラーが発生しました。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorChoice</name>
    <message>
        <source>黒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>暗い赤</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>緑</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オリーブ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>紺</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>紫</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>青緑</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>灰色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銀色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>赤</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ライム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>黄</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>青</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マゼンタ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>水色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>白</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>その他...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ユーザー定義</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>曲に音符や小節線が無いため、シフトできません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グリッドの大きさが正しくないため、シフトできません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小節の幅が無いため、音長を自動セットできません。小節線の位置を確かめてください。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorDialogs</name>
    <message>
        <source>ソルベル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルの内容が変更されています。変更を保存しますか？</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>この場所のプログラムは登録できません: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>ソルベル数字譜ファイル(*.svl);;すべてのファイル(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ソルベルスコアーデータ(*.svl);;すべてのファイル(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MusicXML(*.musicxml *.xml *.mxl);;すべてのファイル(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MusicXML(*.musicxml);;すべてのファイル(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ビットマップ(*.bmp);;全てのファイル(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF(*.pdf);;全てのファイル(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpOpener</name>
    <message>
        <source>ブラウザーでヘルプを表示できませんでした。
ヘルプの目次は次のファイルです。お使いのブラウザーで開いてください。
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプのページがプログラムに含まれていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプのページを読み込めません。
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプのページを書き込めません。
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプを置くフォルダーが見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemDialogs</name>
    <message>
        <source>小節数は、1 から 999 の数値を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テンポは、10 から %1 の数値を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾌﾞｯｸ新規作成(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾍﾟｰｼﾞ新規作成(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前にﾍﾟｰｼﾞ挿入(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>後ろにﾍﾟｰｼﾞ挿入(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開き直す(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ビットマップで保存(&amp;I)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDFで保存(&amp;D)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MusicXMLを読み込む(&amp;L)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MusicXMLで保存(&amp;E)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀｰ設定(&amp;U)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷ﾌﾟﾚﾋﾞｭｰ(&amp;V)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同じ種類の記号選択(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上下位置合わせ(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音長自動セット(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>挿入（右ｼﾌﾄ）(&amp;M)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除（左ｼﾌﾄ）(&amp;H)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾂｰﾙ(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｸﾞﾘｯﾄﾞｽﾅｯﾌﾟ(&amp;G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グリッドを表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力音符をモニターする(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リズム入力(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>演奏(&amp;L)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピアノ鍵盤(&amp;K)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>チューニング(&amp;T)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ブック情報設定(&amp;B)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾍﾟｰｼﾞ情報設定(&amp;P)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ(&amp;O)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作説明(&amp;H)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageBar</name>
    <message>
        <source>最初のﾍﾟｰｼﾞ(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前ﾍﾟｰｼﾞ(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次ﾍﾟｰｼﾞ(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最後のﾍﾟｰｼﾞ(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目次...(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前にﾍﾟｰｼﾞ挿入(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>後ろにﾍﾟｰｼﾞ挿入(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページ削除(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページ移動...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaintBox</name>
    <message>
        <source>テキストボックスが重なっているため、ここには置けません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この位置にある記号には置けません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この記号は音符の上に置いてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この記号は音符の上には置けません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この記号は伸ばしの「－」には付けられません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページからはみ出すため、ここには貼り付けられません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記号だけを貼り付けるときは、音符の上でクリックしてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この位置にある記号には貼り付けられません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsValues</name>
    <message>
        <source>%1は、1 から %2 の数値を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトル部分の高さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>余白（左）の巾</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一段あたりの小節数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小節ごとの分割数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１ページの段数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>演奏速度は、1 から 300 の数値を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>余白（上）の高さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>余白（下）の高さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>余白（右）の巾</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>楽譜再生音のベロシティー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リズムチャンネル番号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリック音（強）のベロシティー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリック音（弱）のベロシティー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指番号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>強弱記号（ppp～fff）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クレッシェンド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>装飾音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>演奏速度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分岐</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弓</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弦</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三連符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>括弧</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmInsDel</name>
    <message>
        <source>挿入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空白を挿入し、以降の音符を右にシフトします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>挿入数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小節</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グリッド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmPlay</name>
    <message>
        <source>演奏コントロール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>楽譜の速度で演奏する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速度：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>演奏開始時クリック音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小節数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾘﾋﾟｰﾄ記号 D.C. D.S. を無視して演奏する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>演奏回数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>繰返し時、開始クリック音を鳴らさない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メトロノーム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>楽譜データ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PlayBias：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>楽器：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表情をつけて演奏する</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmPreview</name>
    <message>
        <source>プレビュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最初のページ(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前ページ(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次ページ(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最後のページ(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拡大</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSetBarNum</name>
    <message>
        <source>小節数入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小節数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSetInfo</name>
    <message>
        <source>ブック情報設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作曲者</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>調</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>演奏速度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>♩＝</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>36</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>48</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>72</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトル部分の高さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>余白（上）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>余白（下）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>余白（左）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>余白（右）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１段あたりの小節数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１小節内の目盛り数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１ページの段数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指番号も表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指番号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>強弱記号（ppp～fff）も表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>強弱記号（ppp～fff）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クレッシェンドも表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クレッシェンド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スラーも表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>装飾音も表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>装飾音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>演奏速度も表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分岐も表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分岐</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弓も表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弓</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弦も表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弦</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三連符も表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三連符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>括弧も表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>括弧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>320 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>270 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>220 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>170 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>120 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-120 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-170 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カーソル設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カーソル右移動時に小節線をスキップする</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピアノ鍵盤</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピアノ鍵盤に音階名を表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マウス右ボタンクリックの動作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリックされた鍵盤の音階を鳴らす</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音符入力用のカーソルをひとつ右に移動する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開放弦の指番号として使用する記号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拡張子関連付け</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ソルベル数字譜ファイル（svl）の関連付けを登録します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>関連付け登録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>関連付け登録解除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>言語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次回の起動時から有効になります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>楽譜の文字の色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グリッドの色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カーソル文字の色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラバーバンドの色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>演奏時カーソル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>太さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示モード</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上書表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反転表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出力デバイス</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリック音設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リズムチャンネル番号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>強</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ベロシティ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>試聴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>押している間、クリック音を鳴らします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弱</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>楽譜再生音設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSetNote</name>
    <message>
        <source>音符設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>臨時記号と付点は、ドラッグして位置を変えられます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この設定を今後の規定値とする</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この設定を全ての音符に適用する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSetTempo</name>
    <message>
        <source>テンポ入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テンポ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回/分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>％</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷しない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSetText</name>
    <message>
        <source>テキスト入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォント名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>36</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>48</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>72</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>枠の太さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>枠の巾</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>枠の高さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行間隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  0%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 10%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 20%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 30%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 40%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 50%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 60%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 70%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 80%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 90%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSetdaon</name>
    <message>
        <source>設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指番号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オクターブ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１音目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>２音目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>３音目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>４音目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音長</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;８分音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１６分音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>３２分音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmTableOfContent</name>
    <message>
        <source>目次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;曲&#x3000;&#x3000;名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 調</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;作&#x3000;曲&#x3000;者</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmTuning</name>
    <message>
        <source>チューニング</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内弦</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外弦</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolBar</name>
    <message>
        <source>ﾍﾟｰｼﾞ新規作成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カーソル表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>再生</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorvel::MusicXmlCommands</name>
    <message>
        <source>MusicXMLを読み込む</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この楽譜にはパートが %1 個あります。読み込むパートを選んでください:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（名前なし）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（音符なし）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MusicXMLで保存しました: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorvel::PlaybackController</name>
    <message>
        <source>再生</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声出力を開けないため、演奏とモニター音は使えません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorvel::PrintCommands</name>
    <message>
        <source>PDFを作成しています...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDFで保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 に印刷しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ビットマップファイルを保存できませんでした。
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 に保存しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDFの保存を取り消しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDFファイルを保存できませんでした。
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorvel::RecoveryController</name>
    <message>
        <source>確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>復元用のコピーを書き込めません（%1）。異常終了すると変更が失われます。こまめに保存してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>復元用のコピーを再び書き込めるようになりました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前回の終了時に保存されていない変更があります。
復元しますか？

ファイル: %1
日時: %2

「いいえ」を選ぶと、この変更は破棄されます。「後で」を選ぶと、次回の起動時にもう一度確認します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>後で(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前回の終了時の復元用のコピーを読み込めませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

コピーは次の名前で残してあります。次回からは確認しません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmInsDel</name>
    <message>
        <source>挿入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空白を挿入し、以降の音符を右にシフトします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>挿入数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音符を削除し、以降の音符を左にシフトします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>挿入する%1数がマイナスです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>挿入する%1数が１ページを超えています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除する%1数がマイナスです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除する%1数が１ページを超えています。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmKeyBoard</name>
    <message>
        <source>ピアノ鍵盤</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmMain</name>
    <message>
        <source>デフォルトのプリンターが登録されていませんので、印刷はできません。<byte value="xd"/>
<byte value="xd"/>
印刷以外の操作は通常通り行えます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ドロップするファイルは１個にしてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前回保存されなかった変更を復元しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2分音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4分音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8分音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16分音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32分音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64分音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>付点%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リズム入力: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmPlay</name>
    <message>
        <source>MUTE(交互)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmSetInfo</name>
    <message>
        <source>ブックタイトル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページプロパティ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示位置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一般</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ブック情報設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページ情報設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オプション</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動（システムの言語）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>関連付けを登録できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>関連付けを解除できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmVersionInfo</name>
    <message>
        <source>ソルベル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>二胡専用数字譜エディター『ソルベル』のバージョン情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>二胡専用数字譜エディター『ソルベル』</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorvel::ToolPalette</name>
    <message>
        <source>メイン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>低</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>長</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>強弱記号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分岐記号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>奏法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速度記号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拍子記号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>その他</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツールなし (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>予備です</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorvel::base</name>
    <message>
        <source>%1、%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorvel::interchange</name>
    <message>
        <source>調号の変更（臨時記号で書きました）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>装飾音の臨時記号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5つ目からの装飾音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終わりのないスラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3つ組にならない3連符の音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対応していない記号 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>装飾音の記号 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この形式にない拍子 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み込まなかったものはありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み込まなかったもの: %1。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MusicXMLを読み込みました（パート %1/%2、%3 小節、%4 音、%5 ページ）。%6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが大きすぎるため読み込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圧縮MusicXML（.mxl）の中に楽譜が見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイムワイズ形式のMusicXMLには対応していません。パートワイズ形式で保存し直してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MusicXMLの楽譜ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音符のあるパートがありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定されたファイルは見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MusicXMLとして読み込めません（XMLの誤り: %1、%2 バイト目）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パート %1 はありません（この楽譜のパートは %2 個です）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>和音の音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>他の声部の音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>他の譜表の音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>他の譜表の記号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キュー音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打楽器の音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3連符以外の連符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>歌詞</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コードネーム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対応していない指番号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対応していない弦の番号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>擦弦楽器でないパートの指番号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>擦弦楽器でないパートの弦の番号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>多すぎる装飾音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>付く音のない装飾音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>長すぎる音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>長さのない音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重なった音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読めない音の高さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上限を超えた小節</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>その他の記号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MusicXMLを書き込めません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorvel::model</name>
    <message>
        <source>%1ページ目の記号が多すぎます。１ページに置ける記号は%2個までです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>楽譜全体の記号とページが多すぎます。記号とページは合わせて%1個までです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1ページ目に、結び付いた記号が多すぎる記号があります。１つの記号に結び付けられる記号は%2個までです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テキストの行が多すぎます。テキストは楽譜全体で%1行までです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>楽譜データが大きすぎます。保存できる楽譜データは%1MBまでです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定されたファイルは見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>楽譜データが壊れているため読み込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>楽譜データが大きすぎるため読み込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」に保存できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は、読み込んだ後にほかのプログラムで変更されています。
上書き保存すると、その変更は失われます。上書きしますか？</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorvel::playback</name>
    <message>
        <source>コーダーに対応するコーダーが存在しません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１の括弧がありません。あるいは、リピートエンドの直後に１括弧が指定されています</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
