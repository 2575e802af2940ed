<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja">
<context>
    <name>BookNames</name>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source> - 二胡専用数字譜エディター『ソルベル』</source>
        <translation> - Sorvel Erhu Numbered-Notation Editor</translation>
    </message>
</context>
<context>
    <name>BookPrinter</name>
    <message>
        <source>印刷するページがありません。</source>
        <translation>There are no pages to print.</translation>
    </message>
    <message>
        <source>印刷を開始できませんでした。</source>
        <translation>Could not start printing.</translation>
    </message>
    <message>
        <source>
ファイル: %1</source>
        <translation>
File: %1</translation>
    </message>
    <message>
        <source>印刷中にエラーが発生しました。</source>
        <translation>An error occurred while printing.</translation>
    </message>
    <message>
        <source>二胡数字譜</source>
        <translation>Erhu numbered notation</translation>
    </message>
</context>
<context>
    <name>ColorChoice</name>
    <message>
        <source>黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>暗い赤</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>オリーブ</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>紺</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>紫</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>青緑</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>灰色</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>銀色</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>ライム</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>マゼンタ</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>水色</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <source>その他...</source>
        <translation>Other...</translation>
    </message>
    <message>
        <source>ユーザー定義</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>曲に音符や小節線が無いため、シフトできません。</source>
        <translation>Cannot shift: the piece has no notes or bar lines.</translation>
    </message>
    <message>
        <source>グリッドの大きさが正しくないため、シフトできません。</source>
        <translation>Cannot shift: the grid size is not valid.</translation>
    </message>
    <message>
        <source>小節の幅が無いため、音長を自動セットできません。小節線の位置を確かめてください。</source>
        <translation>Cannot set lengths automatically because the bar has no width. Check the positions of the bar lines.</translation>
    </message>
</context>
<context>
    <name>EditorDialogs</name>
    <message>
        <source>ソルベル</source>
        <translation>Sorvel</translation>
    </message>
    <message>
        <source>ファイルの内容が変更されています。変更を保存しますか？</source>
        <translation>The file has been changed. Do you want to save the changes?</translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>この場所のプログラムは登録できません: %1</source>
        <translation>A program in this location cannot be registered: %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>ソルベル数字譜ファイル(*.svl);;すべてのファイル(*.*)</source>
        <translation>Sorvel numbered-notation files (*.svl);;All files (*.*)</translation>
    </message>
    <message>
        <source>ソルベルスコアーデータ(*.svl);;すべてのファイル(*.*)</source>
        <translation>Sorvel score data (*.svl);;All files (*.*)</translation>
    </message>
    <message>
        <source>MusicXML(*.musicxml *.xml *.mxl);;すべてのファイル(*.*)</source>
        <translation>MusicXML (*.musicxml *.xml *.mxl);;All files (*.*)</translation>
    </message>
    <message>
        <source>MusicXML(*.musicxml);;すべてのファイル(*.*)</source>
        <translation>MusicXML (*.musicxml);;All files (*.*)</translation>
    </message>
    <message>
        <source>ビットマップ(*.bmp);;全てのファイル(*.*)</source>
        <translation>Bitmap (*.bmp);;All files (*.*)</translation>
    </message>
    <message>
        <source>PDF(*.pdf);;全てのファイル(*.*)</source>
        <translation>PDF (*.pdf);;All files (*.*)</translation>
    </message>
    <message>
        <source>録音(*.wav *.flac *.ogg *.mp3);;すべてのファイル(*.*)</source>
        <translation>Recordings(*.wav *.flac *.ogg *.mp3);;All Files(*.*)</translation>
    </message>
</context>
<context>
    <name>HearingTask</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>HelpOpener</name>
    <message>
        <source>ブラウザーでヘルプを表示できませんでした。
ヘルプの目次は次のファイルです。お使いのブラウザーで開いてください。
%1</source>
        <translation>Could not show the help in a browser.
The help contents page is the following file. Please open it in your browser.
%1</translation>
    </message>
    <message>
        <source>ヘルプのページがプログラムに含まれていません。</source>
        <translation>The help pages are not included in the program.</translation>
    </message>
    <message>
        <source>ヘルプのページを読み込めません。
%1</source>
        <translation>Cannot read the help page.
%1</translation>
    </message>
    <message>
        <source>ヘルプのページを書き込めません。
%1</source>
        <translation>Cannot write the help page.
%1</translation>
    </message>
    <message>
        <source>ヘルプを置くフォルダーが見つかりません。</source>
        <translation>Cannot find a folder to put the help in.</translation>
    </message>
</context>
<context>
    <name>ItemDialogs</name>
    <message>
        <source>小節数は、1 から 999 の数値を指定してください。</source>
        <translation>The number of bars must be from 1 to 999.</translation>
    </message>
    <message>
        <source>テンポは、10 から %1 の数値を指定してください。</source>
        <translation>Tempo must be a number from 10 to %1.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>ﾌﾞｯｸ新規作成(&amp;N)</source>
        <translation>&amp;New Book</translation>
    </message>
    <message>
        <source>ﾍﾟｰｼﾞ新規作成(&amp;M)</source>
        <translation>New Pa&amp;ge</translation>
    </message>
    <message>
        <source>前にﾍﾟｰｼﾞ挿入(&amp;F)</source>
        <translation>Insert Page Be&amp;fore</translation>
    </message>
    <message>
        <source>後ろにﾍﾟｰｼﾞ挿入(&amp;B)</source>
        <translation>Insert Page Af&amp;ter</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>開き直す(&amp;R)</source>
        <translation>&amp;Reopen</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>ビットマップで保存(&amp;I)...</source>
        <translation>Save as B&amp;itmap...</translation>
    </message>
    <message>
        <source>PDFで保存(&amp;D)...</source>
        <translation>Save as P&amp;DF...</translation>
    </message>
    <message>
        <source>MusicXMLを読み込む(&amp;L)...</source>
        <translation>Import MusicXM&amp;L...</translation>
    </message>
    <message>
        <source>MusicXMLで保存(&amp;E)...</source>
        <translation>&amp;Export MusicXML...</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀｰ設定(&amp;U)...</source>
        <translation>Printer Set&amp;up...</translation>
    </message>
    <message>
        <source>印刷ﾌﾟﾚﾋﾞｭｰ(&amp;V)...</source>
        <translation>Print Pre&amp;view...</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>同じ種類の記号選択(&amp;S)</source>
        <translation>&amp;Select Same Kind</translation>
    </message>
    <message>
        <source>上下位置合わせ(&amp;V)</source>
        <translation>Align &amp;Vertically</translation>
    </message>
    <message>
        <source>音長自動セット(&amp;L)</source>
        <translation>Set &amp;Lengths Automatically</translation>
    </message>
    <message>
        <source>挿入（右ｼﾌﾄ）(&amp;M)...</source>
        <translation>&amp;Insert (Shift Right)...</translation>
    </message>
    <message>
        <source>削除（左ｼﾌﾄ）(&amp;H)...</source>
        <translation>Delete (S&amp;hift Left)...</translation>
    </message>
    <message>
        <source>ﾂｰﾙ(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>ｸﾞﾘｯﾄﾞｽﾅｯﾌﾟ(&amp;G)</source>
        <translation>Snap to &amp;Grid</translation>
    </message>
    <message>
        <source>グリッドを表示する</source>
        <translation>Show Grid</translation>
    </message>
    <message>
        <source>入力音符をモニターする(&amp;M)</source>
        <translation>&amp;Monitor Entered Notes</translation>
    </message>
    <message>
        <source>リズム入力(&amp;R)</source>
        <translation>&amp;Rhythm Entry</translation>
    </message>
    <message>
        <source>演奏(&amp;L)...</source>
        <translation>P&amp;lay...</translation>
    </message>
    <message>
        <source>ピアノ鍵盤(&amp;K)...</source>
        <translation>Piano &amp;Keyboard...</translation>
    </message>
    <message>
        <source>チューニング(&amp;T)...</source>
        <translation>&amp;Tuning...</translation>
    </message>
    <message>
        <source>ブック情報設定(&amp;B)...</source>
        <translation>&amp;Book Settings...</translation>
    </message>
    <message>
        <source>ﾍﾟｰｼﾞ情報設定(&amp;P)...</source>
        <translation>&amp;Page Settings...</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ(&amp;O)...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>操作説明(&amp;H)...</source>
        <translation>User &amp;Guide...</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>録音ファイルから採譜(&amp;T)...</source>
        <translation>Transcri&amp;be Recording File...</translation>
    </message>
    <message>
        <source>録音して採譜(&amp;R)...</source>
        <translation>Record and Trans&amp;cribe...</translation>
    </message>
    <message>
        <source>チューナー(&amp;U)...</source>
        <translation>T&amp;uner...</translation>
    </message>
    <message>
        <source>録音と照らし合わせる(&amp;C)...</source>
        <translation>&amp;Check a Recording...</translation>
    </message>
    <message>
        <source>照らし合わせた結果を消す(&amp;E)</source>
        <translation>Cl&amp;ear Check Results</translation>
    </message>
</context>
<context>
    <name>NewBookDialog</name>
    <message>
        <source>ブック新規作成</source>
        <translation>New Book</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>作曲者</source>
        <translation>Composer</translation>
    </message>
    <message>
        <source>調</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>拍子</source>
        <translation>Time signature</translation>
    </message>
    <message>
        <source>♩＝</source>
        <translation>♩＝</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>ページ数</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>OK で、1 ページ目の最初の小節から音符を入力できます。</source>
        <translation>After OK, type the notes from the first bar of page 1.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PageBar</name>
    <message>
        <source>最初のﾍﾟｰｼﾞ(&amp;F)</source>
        <translation>&amp;First Page</translation>
    </message>
    <message>
        <source>前ﾍﾟｰｼﾞ(&amp;V)</source>
        <translation>Pre&amp;vious Page</translation>
    </message>
    <message>
        <source>次ﾍﾟｰｼﾞ(&amp;N)</source>
        <translation>&amp;Next Page</translation>
    </message>
    <message>
        <source>最後のﾍﾟｰｼﾞ(&amp;L)</source>
        <translation>&amp;Last Page</translation>
    </message>
    <message>
        <source>目次...(&amp;T)</source>
        <translation>Con&amp;tents...</translation>
    </message>
    <message>
        <source>前にﾍﾟｰｼﾞ挿入(&amp;F)</source>
        <translation>Insert Page Be&amp;fore</translation>
    </message>
    <message>
        <source>後ろにﾍﾟｰｼﾞ挿入(&amp;B)</source>
        <translation>Insert Page Af&amp;ter</translation>
    </message>
    <message>
        <source>ページ削除(&amp;D)</source>
        <translation>&amp;Delete Page</translation>
    </message>
    <message>
        <source>ページ移動...</source>
        <translation>Move Page...</translation>
    </message>
</context>
<context>
    <name>PaintBox</name>
    <message>
        <source>テキストボックスが重なっているため、ここには置けません。</source>
        <translation>Cannot place it here: it would overlap a text box.</translation>
    </message>
    <message>
        <source>この位置にある記号には置けません。</source>
        <translation>Cannot place it on the symbol at this position.</translation>
    </message>
    <message>
        <source>この記号は音符の上に置いてください。</source>
        <translation>Place this symbol on a note.</translation>
    </message>
    <message>
        <source>この記号は音符の上には置けません。</source>
        <translation>This symbol cannot be placed on a note.</translation>
    </message>
    <message>
        <source>この記号は伸ばしの「－」には付けられません。</source>
        <translation>This symbol cannot be attached to a sustain dash “－”.</translation>
    </message>
    <message>
        <source>ページからはみ出すため、ここには貼り付けられません。</source>
        <translation>Cannot paste here: it would extend beyond the page.</translation>
    </message>
    <message>
        <source>記号だけを貼り付けるときは、音符の上でクリックしてください。</source>
        <translation>To paste symbols only, click on a note.</translation>
    </message>
    <message>
        <source>この位置にある記号には貼り付けられません。</source>
        <translation>Cannot paste onto the symbol at this position.</translation>
    </message>
    <message>
        <source>この記号は休符には付けられません。</source>
        <translation>This mark cannot go on a rest.</translation>
    </message>
</context>
<context>
    <name>RecoveryController</name>
    <message>
        <source>確認</source>
        <translation type="vanished">Confirm</translation>
    </message>
</context>
<context>
    <name>SettingsValues</name>
    <message>
        <source>%1は、1 から %2 の数値を指定してください。</source>
        <translation>%1 must be a number from 1 to %2.</translation>
    </message>
    <message>
        <source>タイトル部分の高さ</source>
        <translation>Title height</translation>
    </message>
    <message>
        <source>余白（左）の巾</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>一段あたりの小節数</source>
        <translation>Bars per row</translation>
    </message>
    <message>
        <source>小節ごとの分割数</source>
        <translation>Divisions per bar</translation>
    </message>
    <message>
        <source>１ページの段数</source>
        <translation>Rows per page</translation>
    </message>
    <message>
        <source>演奏速度は、1 から 300 の数値を指定してください。</source>
        <translation>Tempo must be a number from 1 to 300.</translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>余白（上）の高さ</source>
        <translation>Top margin</translation>
    </message>
    <message>
        <source>余白（下）の高さ</source>
        <translation>Bottom margin</translation>
    </message>
    <message>
        <source>余白（右）の巾</source>
        <translation>Right margin</translation>
    </message>
    <message>
        <source>楽譜再生音のベロシティー</source>
        <translation>Score playback velocity</translation>
    </message>
    <message>
        <source>リズムチャンネル番号</source>
        <translation>Rhythm channel</translation>
    </message>
    <message>
        <source>クリック音（強）のベロシティー</source>
        <translation>Strong click velocity</translation>
    </message>
    <message>
        <source>クリック音（弱）のベロシティー</source>
        <translation>Weak click velocity</translation>
    </message>
    <message>
        <source>指番号</source>
        <translation>Fingering</translation>
    </message>
    <message>
        <source>強弱記号（ppp～fff）</source>
        <translation>Dynamics (ppp–fff)</translation>
    </message>
    <message>
        <source>クレッシェンド</source>
        <translation>Crescendos</translation>
    </message>
    <message>
        <source>スラー</source>
        <translation>Slurs</translation>
    </message>
    <message>
        <source>装飾音</source>
        <translation>Grace notes</translation>
    </message>
    <message>
        <source>演奏速度</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>分岐</source>
        <translation>Jump marks</translation>
    </message>
    <message>
        <source>弓</source>
        <translation>Bowing</translation>
    </message>
    <message>
        <source>弦</source>
        <translation>Strings</translation>
    </message>
    <message>
        <source>三連符</source>
        <translation>Triplets</translation>
    </message>
    <message>
        <source>括弧</source>
        <translation>Ending brackets</translation>
    </message>
    <message>
        <source>27:High Q</source>
        <translation>27:High Q</translation>
    </message>
    <message>
        <source>28:Slap</source>
        <translation>28:Slap</translation>
    </message>
    <message>
        <source>29:Scratch Push</source>
        <translation>29:Scratch Push</translation>
    </message>
    <message>
        <source>30:Scratch Pull</source>
        <translation>30:Scratch Pull</translation>
    </message>
    <message>
        <source>31:Sticks</source>
        <translation>31:Sticks</translation>
    </message>
    <message>
        <source>32:Square Click</source>
        <translation>32:Square Click</translation>
    </message>
    <message>
        <source>33:Metronome Click</source>
        <translation>33:Metronome Click</translation>
    </message>
    <message>
        <source>34:Metronome Bell</source>
        <translation>34:Metronome Bell</translation>
    </message>
    <message>
        <source>35:Acoustic Bass Drum</source>
        <translation>35:Acoustic Bass Drum</translation>
    </message>
    <message>
        <source>36:Bass Drum 1</source>
        <translation>36:Bass Drum 1</translation>
    </message>
    <message>
        <source>37:Side Stick</source>
        <translation>37:Side Stick</translation>
    </message>
    <message>
        <source>38:Acoustic Snare</source>
        <translation>38:Acoustic Snare</translation>
    </message>
    <message>
        <source>39:Hand Clap</source>
        <translation>39:Hand Clap</translation>
    </message>
    <message>
        <source>40:Electric Snare</source>
        <translation>40:Electric Snare</translation>
    </message>
    <message>
        <source>41:Low Floor Tom</source>
        <translation>41:Low Floor Tom</translation>
    </message>
    <message>
        <source>42:Closed Hi-Hat</source>
        <translation>42:Closed Hi-Hat</translation>
    </message>
    <message>
        <source>43:High Floor Tom</source>
        <translation>43:High Floor Tom</translation>
    </message>
    <message>
        <source>44:Pedal Hi-Hat</source>
        <translation>44:Pedal Hi-Hat</translation>
    </message>
    <message>
        <source>45:Low Tom</source>
        <translation>45:Low Tom</translation>
    </message>
    <message>
        <source>46:Open Hi-Hat</source>
        <translation>46:Open Hi-Hat</translation>
    </message>
    <message>
        <source>47:Low-Mid Tom</source>
        <translation>47:Low-Mid Tom</translation>
    </message>
    <message>
        <source>48:Hi-Mid Tom</source>
        <translation>48:Hi-Mid Tom</translation>
    </message>
    <message>
        <source>49:Crash Cymbal 1</source>
        <translation>49:Crash Cymbal 1</translation>
    </message>
    <message>
        <source>50:High Tom</source>
        <translation>50:High Tom</translation>
    </message>
    <message>
        <source>51:Ride Cymbal 1</source>
        <translation>51:Ride Cymbal 1</translation>
    </message>
    <message>
        <source>52:Chinese Cymbal</source>
        <translation>52:Chinese Cymbal</translation>
    </message>
    <message>
        <source>53:Ride Bell</source>
        <translation>53:Ride Bell</translation>
    </message>
    <message>
        <source>54:Tambourine</source>
        <translation>54:Tambourine</translation>
    </message>
    <message>
        <source>55:Splash Cymbal</source>
        <translation>55:Splash Cymbal</translation>
    </message>
    <message>
        <source>56:Cowbell</source>
        <translation>56:Cowbell</translation>
    </message>
    <message>
        <source>57:Crash Cymbal 2</source>
        <translation>57:Crash Cymbal 2</translation>
    </message>
    <message>
        <source>58:Vibraslap</source>
        <translation>58:Vibraslap</translation>
    </message>
    <message>
        <source>59:Ride Cymbal 2</source>
        <translation>59:Ride Cymbal 2</translation>
    </message>
    <message>
        <source>60:Hi Bongo</source>
        <translation>60:Hi Bongo</translation>
    </message>
    <message>
        <source>61:Low Bongo</source>
        <translation>61:Low Bongo</translation>
    </message>
    <message>
        <source>62:Mute Hi Conga</source>
        <translation>62:Mute Hi Conga</translation>
    </message>
    <message>
        <source>63:Open Hi Conga</source>
        <translation>63:Open Hi Conga</translation>
    </message>
    <message>
        <source>64:Low Conga</source>
        <translation>64:Low Conga</translation>
    </message>
    <message>
        <source>65:High Timbale</source>
        <translation>65:High Timbale</translation>
    </message>
    <message>
        <source>66:Low Timbale</source>
        <translation>66:Low Timbale</translation>
    </message>
    <message>
        <source>67:High Agogo</source>
        <translation>67:High Agogo</translation>
    </message>
    <message>
        <source>68:Low Agogo</source>
        <translation>68:Low Agogo</translation>
    </message>
    <message>
        <source>69:Cabasa</source>
        <translation>69:Cabasa</translation>
    </message>
    <message>
        <source>70:Maracas</source>
        <translation>70:Maracas</translation>
    </message>
    <message>
        <source>71:Short Whistle</source>
        <translation>71:Short Whistle</translation>
    </message>
    <message>
        <source>72:Long Whistle</source>
        <translation>72:Long Whistle</translation>
    </message>
    <message>
        <source>73:Short Guiro</source>
        <translation>73:Short Guiro</translation>
    </message>
    <message>
        <source>74:Long Guiro</source>
        <translation>74:Long Guiro</translation>
    </message>
    <message>
        <source>75:Claves</source>
        <translation>75:Claves</translation>
    </message>
    <message>
        <source>76:Hi Wood Block</source>
        <translation>76:Hi Wood Block</translation>
    </message>
    <message>
        <source>77:Low Wood Block</source>
        <translation>77:Low Wood Block</translation>
    </message>
    <message>
        <source>78:Mute Cuica</source>
        <translation>78:Mute Cuica</translation>
    </message>
    <message>
        <source>79:Open Cuica</source>
        <translation>79:Open Cuica</translation>
    </message>
    <message>
        <source>80:Mute Triangle</source>
        <translation>80:Mute Triangle</translation>
    </message>
    <message>
        <source>81:Open Triangle</source>
        <translation>81:Open Triangle</translation>
    </message>
    <message>
        <source>82:Shaker</source>
        <translation>82:Shaker</translation>
    </message>
    <message>
        <source>83:Jingle Bell</source>
        <translation>83:Jingle Bell</translation>
    </message>
    <message>
        <source>84:Bell Tree</source>
        <translation>84:Bell Tree</translation>
    </message>
    <message>
        <source>85:Castanets</source>
        <translation>85:Castanets</translation>
    </message>
    <message>
        <source>86:Mute Surdo</source>
        <translation>86:Mute Surdo</translation>
    </message>
    <message>
        <source>87:Open Surdo</source>
        <translation>87:Open Surdo</translation>
    </message>
    <message>
        <source>88:Applause 2</source>
        <translation>88:Applause 2</translation>
    </message>
</context>
<context>
    <name>TfrmInsDel</name>
    <message>
        <source>挿入</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>空白を挿入し、以降の音符を右にシフトします</source>
        <translation>Inserts space and shifts the following notes to the right</translation>
    </message>
    <message>
        <source>挿入数</source>
        <translation>Number to insert</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>小節</source>
        <translation>bars</translation>
    </message>
    <message>
        <source>グリッド</source>
        <translation>grid steps</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmPlay</name>
    <message>
        <source>演奏コントロール</source>
        <translation>Playback Control</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>楽譜の速度で演奏する</source>
        <translation>Play at the score&apos;s tempo</translation>
    </message>
    <message>
        <source>速度：</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>演奏開始時クリック音</source>
        <translation>Count-in clicks</translation>
    </message>
    <message>
        <source>小節数：</source>
        <translation>Bars:</translation>
    </message>
    <message>
        <source>ﾘﾋﾟｰﾄ記号 D.C. D.S. を無視して演奏する</source>
        <translation>Ignore repeat signs, D.C. and D.S.</translation>
    </message>
    <message>
        <source>演奏回数：</source>
        <translation>Play count:</translation>
    </message>
    <message>
        <source>繰返し時、開始クリック音を鳴らさない</source>
        <translation>No count-in when repeating</translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation>Mute:</translation>
    </message>
    <message>
        <source>メトロノーム</source>
        <translation>Metronome</translation>
    </message>
    <message>
        <source>楽譜データ</source>
        <translation>Melody</translation>
    </message>
    <message>
        <source>PlayBias：</source>
        <translation>Transpose:</translation>
    </message>
    <message>
        <source>楽器：</source>
        <translation>Instrument:</translation>
    </message>
    <message>
        <source>表情をつけて演奏する</source>
        <translation>Play expressively</translation>
    </message>
    <message>
        <source>停止するまで繰り返す</source>
        <translation>Repeat until stopped</translation>
    </message>
    <message>
        <source>練習速度：</source>
        <translation>Practice speed:</translation>
    </message>
    <message>
        <source>1回ごとに +5 %（100 % まで）</source>
        <translation>+5 % each pass (up to 100 %)</translation>
    </message>
    <message>
        <source>マイクで一緒に弾く</source>
        <translation>Play along with the microphone</translation>
    </message>
</context>
<context>
    <name>TfrmPreview</name>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>最初のページ(&amp;F)</source>
        <translation>&amp;First Page</translation>
    </message>
    <message>
        <source>前ページ(&amp;V)</source>
        <translation>Pre&amp;vious Page</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>次ページ(&amp;N)</source>
        <translation>&amp;Next Page</translation>
    </message>
    <message>
        <source>最後のページ(&amp;L)</source>
        <translation>&amp;Last Page</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom</translation>
    </message>
</context>
<context>
    <name>TfrmRecord</name>
    <message>
        <source>録音して採譜</source>
        <translation>Record and Transcribe</translation>
    </message>
    <message>
        <source>入力デバイス(&amp;D):</source>
        <translation>Input &amp;device:</translation>
    </message>
    <message>
        <source>レベル:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>テンポ(&amp;T):</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>カウントを入れる(&amp;C)</source>
        <translation>&amp;Count in</translation>
    </message>
    <message>
        <source>拍</source>
        <translation>beats</translation>
    </message>
    <message>
        <source>録音中にメトロノームを鳴らす(&amp;M)</source>
        <translation>&amp;Metronome while recording</translation>
    </message>
    <message>
        <source>録音(&amp;R)</source>
        <translation>&amp;Record</translation>
    </message>
    <message>
        <source>停止(&amp;S)</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmSetBarNum</name>
    <message>
        <source>小節数入力</source>
        <translation>Number of Bars</translation>
    </message>
    <message>
        <source>小節数</source>
        <translation>Bars</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmSetInfo</name>
    <message>
        <source>ブック情報設定</source>
        <translation>Book Settings</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>作曲者</source>
        <translation>Composer</translation>
    </message>
    <message>
        <source>調</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>演奏速度</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>♩＝</source>
        <translation>♩＝</translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source> 9</source>
        <translation> 9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>22</source>
        <translation>22</translation>
    </message>
    <message>
        <source>24</source>
        <translation>24</translation>
    </message>
    <message>
        <source>26</source>
        <translation>26</translation>
    </message>
    <message>
        <source>28</source>
        <translation>28</translation>
    </message>
    <message>
        <source>36</source>
        <translation>36</translation>
    </message>
    <message>
        <source>48</source>
        <translation>48</translation>
    </message>
    <message>
        <source>72</source>
        <translation>72</translation>
    </message>
    <message>
        <source>タイトル部分の高さ</source>
        <translation>Title height</translation>
    </message>
    <message>
        <source>余白（上）</source>
        <translation>Top margin</translation>
    </message>
    <message>
        <source>余白（下）</source>
        <translation>Bottom margin</translation>
    </message>
    <message>
        <source>余白（左）</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>余白（右）</source>
        <translation>Right margin</translation>
    </message>
    <message>
        <source>１段あたりの小節数</source>
        <translation>Bars per row</translation>
    </message>
    <message>
        <source>１小節内の目盛り数</source>
        <translation>Divisions per bar</translation>
    </message>
    <message>
        <source>１ページの段数</source>
        <translation>Rows per page</translation>
    </message>
    <message>
        <source>指番号も表示する</source>
        <translation>Also show fingering</translation>
    </message>
    <message>
        <source>指番号</source>
        <translation>Fingering</translation>
    </message>
    <message>
        <source>強弱記号（ppp～fff）も表示する</source>
        <translation>Also show dynamics (ppp–fff)</translation>
    </message>
    <message>
        <source>強弱記号（ppp～fff）</source>
        <translation>Dynamics (ppp–fff)</translation>
    </message>
    <message>
        <source>クレッシェンドも表示する</source>
        <translation>Also show crescendos</translation>
    </message>
    <message>
        <source>クレッシェンド</source>
        <translation>Crescendos</translation>
    </message>
    <message>
        <source>スラーも表示する</source>
        <translation>Also show slurs</translation>
    </message>
    <message>
        <source>スラー</source>
        <translation>Slurs</translation>
    </message>
    <message>
        <source>装飾音も表示する</source>
        <translation>Also show grace notes</translation>
    </message>
    <message>
        <source>装飾音</source>
        <translation>Grace notes</translation>
    </message>
    <message>
        <source>演奏速度も表示する</source>
        <translation>Also show tempo</translation>
    </message>
    <message>
        <source>分岐も表示する</source>
        <translation>Also show jump marks</translation>
    </message>
    <message>
        <source>分岐</source>
        <translation>Jump marks</translation>
    </message>
    <message>
        <source>弓も表示する</source>
        <translation>Also show bowing</translation>
    </message>
    <message>
        <source>弓</source>
        <translation>Bowing</translation>
    </message>
    <message>
        <source>弦も表示する</source>
        <translation>Also show strings</translation>
    </message>
    <message>
        <source>弦</source>
        <translation>Strings</translation>
    </message>
    <message>
        <source>三連符も表示する</source>
        <translation>Also show triplets</translation>
    </message>
    <message>
        <source>三連符</source>
        <translation>Triplets</translation>
    </message>
    <message>
        <source>括弧も表示する</source>
        <translation>Also show ending brackets</translation>
    </message>
    <message>
        <source>括弧</source>
        <translation>Ending brackets</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>320 %</source>
        <translation>320 %</translation>
    </message>
    <message>
        <source>270 %</source>
        <translation>270 %</translation>
    </message>
    <message>
        <source>220 %</source>
        <translation>220 %</translation>
    </message>
    <message>
        <source>170 %</source>
        <translation>170 %</translation>
    </message>
    <message>
        <source>120 %</source>
        <translation>120 %</translation>
    </message>
    <message>
        <source>-120 %</source>
        <translation>-120 %</translation>
    </message>
    <message>
        <source>-170 %</source>
        <translation>-170 %</translation>
    </message>
    <message>
        <source>カーソル設定</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>カーソル右移動時に小節線をスキップする</source>
        <translation>Skip bar lines when moving the cursor right</translation>
    </message>
    <message>
        <source>ピアノ鍵盤</source>
        <translation>Piano Keyboard</translation>
    </message>
    <message>
        <source>ピアノ鍵盤に音階名を表示する</source>
        <translation>Show note names on the piano keyboard</translation>
    </message>
    <message>
        <source>マウス右ボタンクリックの動作</source>
        <translation>Right-click action</translation>
    </message>
    <message>
        <source>クリックされた鍵盤の音階を鳴らす</source>
        <translation>Sound the clicked key</translation>
    </message>
    <message>
        <source>音符入力用のカーソルをひとつ右に移動する</source>
        <translation>Move the note-entry cursor one step right</translation>
    </message>
    <message>
        <source>開放弦の指番号として使用する記号</source>
        <translation>Symbol used as the open-string fingering</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>拡張子関連付け</source>
        <translation>File association</translation>
    </message>
    <message>
        <source>ソルベル数字譜ファイル（svl）の関連付けを登録します</source>
        <translation>Associates Sorvel numbered-notation files (svl) with this program</translation>
    </message>
    <message>
        <source>関連付け登録</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>関連付け登録解除</source>
        <translation>Unregister</translation>
    </message>
    <message>
        <source>楽譜の文字の色</source>
        <translation>Score text color</translation>
    </message>
    <message>
        <source>グリッドの色</source>
        <translation>Grid color</translation>
    </message>
    <message>
        <source>カーソル文字の色</source>
        <translation>Cursor text color</translation>
    </message>
    <message>
        <source>ラバーバンドの色</source>
        <translation>Selection rectangle color</translation>
    </message>
    <message>
        <source>演奏時カーソル</source>
        <translation>Playback cursor</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>太さ</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>表示モード</source>
        <translation>Display mode</translation>
    </message>
    <message>
        <source>上書表示</source>
        <translation>Overlay</translation>
    </message>
    <message>
        <source>反転表示</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>出力デバイス</source>
        <translation>Output device</translation>
    </message>
    <message>
        <source>クリック音設定</source>
        <translation>Click sound</translation>
    </message>
    <message>
        <source>リズムチャンネル番号</source>
        <translation>Rhythm channel</translation>
    </message>
    <message>
        <source>強</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>音色</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>ベロシティ</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>試聴</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>押している間、クリック音を鳴らします</source>
        <translation>Sounds the click while pressed</translation>
    </message>
    <message>
        <source>弱</source>
        <translation>Weak</translation>
    </message>
    <message>
        <source>楽譜再生音設定</source>
        <translation>Score playback</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>次回の起動時から有効になります。</source>
        <translation>Takes effect at the next start.</translation>
    </message>
    <message>
        <source>ブック新規作成で、タイトル・調・拍子などを最初に聞く</source>
        <translation>Ask for the title, key, time signature and more when making a new book</translation>
    </message>
    <message>
        <source>リズム入力</source>
        <translation>Rhythm entry</translation>
    </message>
    <message>
        <source>オクターブを自動で決める</source>
        <translation>Choose the octave automatically</translation>
    </message>
</context>
<context>
    <name>TfrmSetNote</name>
    <message>
        <source>音符設定</source>
        <translation>Note Settings</translation>
    </message>
    <message>
        <source>臨時記号と付点は、ドラッグして位置を変えられます。</source>
        <translation>Drag accidentals and dots to change their position.</translation>
    </message>
    <message>
        <source>この設定を今後の規定値とする</source>
        <translation>Use these settings as the default from now on</translation>
    </message>
    <message>
        <source>この設定を全ての音符に適用する</source>
        <translation>Apply these settings to all notes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmSetTempo</name>
    <message>
        <source>テンポ入力</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>テンポ</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>回/分</source>
        <translation>BPM</translation>
    </message>
    <message>
        <source>％</source>
        <translation>％</translation>
    </message>
    <message>
        <source>印刷しない</source>
        <translation>Do not print</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmSetText</name>
    <message>
        <source>テキスト入力</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>フォント名</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source> 6</source>
        <translation> 6</translation>
    </message>
    <message>
        <source> 7</source>
        <translation> 7</translation>
    </message>
    <message>
        <source> 8</source>
        <translation> 8</translation>
    </message>
    <message>
        <source> 9</source>
        <translation> 9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>22</source>
        <translation>22</translation>
    </message>
    <message>
        <source>24</source>
        <translation>24</translation>
    </message>
    <message>
        <source>26</source>
        <translation>26</translation>
    </message>
    <message>
        <source>28</source>
        <translation>28</translation>
    </message>
    <message>
        <source>36</source>
        <translation>36</translation>
    </message>
    <message>
        <source>48</source>
        <translation>48</translation>
    </message>
    <message>
        <source>72</source>
        <translation>72</translation>
    </message>
    <message>
        <source>枠の太さ</source>
        <translation>Border thickness</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>枠の巾</source>
        <translation>Box width</translation>
    </message>
    <message>
        <source>枠の高さ</source>
        <translation>Box height</translation>
    </message>
    <message>
        <source>行間隔</source>
        <translation>Line spacing</translation>
    </message>
    <message>
        <source>  0%</source>
        <translation>  0%</translation>
    </message>
    <message>
        <source> 10%</source>
        <translation> 10%</translation>
    </message>
    <message>
        <source> 20%</source>
        <translation> 20%</translation>
    </message>
    <message>
        <source> 30%</source>
        <translation> 30%</translation>
    </message>
    <message>
        <source> 40%</source>
        <translation> 40%</translation>
    </message>
    <message>
        <source> 50%</source>
        <translation> 50%</translation>
    </message>
    <message>
        <source> 60%</source>
        <translation> 60%</translation>
    </message>
    <message>
        <source> 70%</source>
        <translation> 70%</translation>
    </message>
    <message>
        <source> 80%</source>
        <translation> 80%</translation>
    </message>
    <message>
        <source> 90%</source>
        <translation> 90%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmSetdaon</name>
    <message>
        <source>設定</source>
        <translation>Grace Notes</translation>
    </message>
    <message>
        <source>指番号</source>
        <translation>Fingering</translation>
    </message>
    <message>
        <source>音程</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>オクターブ</source>
        <translation>Octave</translation>
    </message>
    <message>
        <source>１音目</source>
        <translation>Note 1</translation>
    </message>
    <message>
        <source>3</source>
        <translation type="vanished">3</translation>
    </message>
    <message>
        <source>2</source>
        <translation type="vanished">2</translation>
    </message>
    <message>
        <source>1</source>
        <translation type="vanished">1</translation>
    </message>
    <message>
        <source>0</source>
        <translation type="vanished">0</translation>
    </message>
    <message>
        <source>-1</source>
        <translation type="vanished">-1</translation>
    </message>
    <message>
        <source>-2</source>
        <translation type="vanished">-2</translation>
    </message>
    <message>
        <source>２音目</source>
        <translation>Note 2</translation>
    </message>
    <message>
        <source>３音目</source>
        <translation>Note 3</translation>
    </message>
    <message>
        <source>４音目</source>
        <translation>Note 4</translation>
    </message>
    <message>
        <source>音長</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>&#x3000;８分音符</source>
        <translation>eighth note</translation>
    </message>
    <message>
        <source>１６分音符</source>
        <translation>16th note</translation>
    </message>
    <message>
        <source>３２分音符</source>
        <translation>32nd note</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmTableOfContent</name>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;曲&#x3000;&#x3000;名</source>
        <translation>Title</translation>
    </message>
    <message>
        <source> 調</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>&#x3000;作&#x3000;曲&#x3000;者</source>
        <translation>Composer</translation>
    </message>
    <message>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TfrmTuning</name>
    <message>
        <source>チューニング</source>
        <translation>Tuning</translation>
    </message>
    <message>
        <source>内弦</source>
        <translation>Inner string</translation>
    </message>
    <message>
        <source>外弦</source>
        <translation>Outer string</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ToolBar</name>
    <message>
        <source>ﾍﾟｰｼﾞ新規作成</source>
        <translation>New Page</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>カーソル表示</source>
        <translation>Show Key Cursor</translation>
    </message>
    <message>
        <source>再生</source>
        <translation>Play</translation>
    </message>
</context>
<context>
    <name>sorvel::CheckCommands</name>
    <message>
        <source>ブック全体</source>
        <translation>Whole book</translation>
    </message>
    <message>
        <source>%1 ページだけ</source>
        <translation>Page %1 only</translation>
    </message>
    <message>
        <source>録音と照らし合わせる</source>
        <translation>Check a Recording</translation>
    </message>
    <message>
        <source>録音に入っているのは:</source>
        <translation>The recording holds:</translation>
    </message>
    <message>
        <source>録音を楽譜と照らし合わせています…</source>
        <translation>Checking the recording against the score…</translation>
    </message>
    <message>
        <source>照らし合わせました: ±10 セント以内 %1、±25 セント以内 %2、それより外れた音 %3、抜けた音 %4</source>
        <translation>Checked: %1 within ±10 cents, %2 within ±25 cents, %3 further off, %4 missed</translation>
    </message>
</context>
<context>
    <name>sorvel::CheckListDock</name>
    <message>
        <source>照らし合わせた結果</source>
        <translation>Check results</translation>
    </message>
    <message>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>小節</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>音</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>セント</source>
        <translation>Cents</translation>
    </message>
    <message>
        <source>タイミング (ms)</source>
        <translation>Timing (ms)</translation>
    </message>
    <message>
        <source>抜け</source>
        <translation>Missed</translation>
    </message>
</context>
<context>
    <name>sorvel::EditorDocument</name>
    <message>
        <source>%1
続けて別の変更が行われたため、この変更は取り消していません。</source>
        <translation>%1
This change was not undone because other changes followed it.</translation>
    </message>
</context>
<context>
    <name>sorvel::GeneralMidi</name>
    <message>
        <source>アコースティック・グランド・ピアノ</source>
        <translation>Acoustic Grand Piano</translation>
    </message>
    <message>
        <source>ブライト・アコースティック・ピアノ</source>
        <translation>Bright Acoustic Piano</translation>
    </message>
    <message>
        <source>エレクトリック・グランド・ピアノ</source>
        <translation>Electric Grand Piano</translation>
    </message>
    <message>
        <source>ホンキートンク・ピアノ</source>
        <translation>Honky-tonk Piano</translation>
    </message>
    <message>
        <source>エレクトリック・ピアノ1</source>
        <translation>Electric Piano 1</translation>
    </message>
    <message>
        <source>エレクトリック・ピアノ2</source>
        <translation>Electric Piano 2</translation>
    </message>
    <message>
        <source>ハープシコード</source>
        <translation>Harpsichord</translation>
    </message>
    <message>
        <source>クラビネット</source>
        <translation>Clavinet</translation>
    </message>
    <message>
        <source>チェレスタ</source>
        <translation>Celesta</translation>
    </message>
    <message>
        <source>グロッケンシュピール</source>
        <translation>Glockenspiel</translation>
    </message>
    <message>
        <source>オルゴール</source>
        <translation>Music Box</translation>
    </message>
    <message>
        <source>ビブラフォン</source>
        <translation>Vibraphone</translation>
    </message>
    <message>
        <source>マリンバ</source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>シロフォン</source>
        <translation>Xylophone</translation>
    </message>
    <message>
        <source>チューブラー・ベル</source>
        <translation>Tubular Bells</translation>
    </message>
    <message>
        <source>ダルシマー</source>
        <translation>Dulcimer</translation>
    </message>
    <message>
        <source>ドローバー・オルガン</source>
        <translation>Drawbar Organ</translation>
    </message>
    <message>
        <source>パーカッシブ・オルガン</source>
        <translation>Percussive Organ</translation>
    </message>
    <message>
        <source>ロック・オルガン</source>
        <translation>Rock Organ</translation>
    </message>
    <message>
        <source>チャーチ・オルガン</source>
        <translation>Church Organ</translation>
    </message>
    <message>
        <source>リード・オルガン</source>
        <translation>Reed Organ</translation>
    </message>
    <message>
        <source>アコーディオン</source>
        <translation>Accordion</translation>
    </message>
    <message>
        <source>ハーモニカ</source>
        <translation>Harmonica</translation>
    </message>
    <message>
        <source>タンゴ・アコーディオン</source>
        <translation>Tango Accordion</translation>
    </message>
    <message>
        <source>アコースティック・ギター（ナイロン弦）</source>
        <translation>Acoustic Guitar (nylon)</translation>
    </message>
    <message>
        <source>アコースティック・ギター（スチール弦）</source>
        <translation>Acoustic Guitar (steel)</translation>
    </message>
    <message>
        <source>ジャズ・ギター</source>
        <translation>Electric Guitar (jazz)</translation>
    </message>
    <message>
        <source>クリーン・ギター</source>
        <translation>Electric Guitar (clean)</translation>
    </message>
    <message>
        <source>ミュート・ギター</source>
        <translation>Electric Guitar (muted)</translation>
    </message>
    <message>
        <source>オーバードライブ・ギター</source>
        <translation>Overdriven Guitar</translation>
    </message>
    <message>
        <source>ディストーション・ギター</source>
        <translation>Distortion Guitar</translation>
    </message>
    <message>
        <source>ギター・ハーモニクス</source>
        <translation>Guitar Harmonics</translation>
    </message>
    <message>
        <source>アコースティック・ベース</source>
        <translation>Acoustic Bass</translation>
    </message>
    <message>
        <source>フィンガー・ベース</source>
        <translation>Electric Bass (finger)</translation>
    </message>
    <message>
        <source>ピック・ベース</source>
        <translation>Electric Bass (pick)</translation>
    </message>
    <message>
        <source>フレットレス・ベース</source>
        <translation>Fretless Bass</translation>
    </message>
    <message>
        <source>スラップ・ベース1</source>
        <translation>Slap Bass 1</translation>
    </message>
    <message>
        <source>スラップ・ベース2</source>
        <translation>Slap Bass 2</translation>
    </message>
    <message>
        <source>シンセ・ベース1</source>
        <translation>Synth Bass 1</translation>
    </message>
    <message>
        <source>シンセ・ベース2</source>
        <translation>Synth Bass 2</translation>
    </message>
    <message>
        <source>バイオリン</source>
        <translation>Violin</translation>
    </message>
    <message>
        <source>ビオラ</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>チェロ</source>
        <translation>Cello</translation>
    </message>
    <message>
        <source>コントラバス</source>
        <translation>Contrabass</translation>
    </message>
    <message>
        <source>トレモロ・ストリングス</source>
        <translation>Tremolo Strings</translation>
    </message>
    <message>
        <source>ピチカート・ストリングス</source>
        <translation>Pizzicato Strings</translation>
    </message>
    <message>
        <source>ハープ</source>
        <translation>Orchestral Harp</translation>
    </message>
    <message>
        <source>ティンパニ</source>
        <translation>Timpani</translation>
    </message>
    <message>
        <source>ストリングス</source>
        <translation>String Ensemble 1</translation>
    </message>
    <message>
        <source>スロー・ストリングス</source>
        <translation>String Ensemble 2</translation>
    </message>
    <message>
        <source>シンセ・ストリングス1</source>
        <translation>Synth Strings 1</translation>
    </message>
    <message>
        <source>シンセ・ストリングス2</source>
        <translation>Synth Strings 2</translation>
    </message>
    <message>
        <source>クワイア・アー</source>
        <translation>Choir Aahs</translation>
    </message>
    <message>
        <source>ボイス・ウー</source>
        <translation>Voice Oohs</translation>
    </message>
    <message>
        <source>シンセ・ボイス</source>
        <translation>Synth Voice</translation>
    </message>
    <message>
        <source>オーケストラ・ヒット</source>
        <translation>Orchestra Hit</translation>
    </message>
    <message>
        <source>トランペット</source>
        <translation>Trumpet</translation>
    </message>
    <message>
        <source>トロンボーン</source>
        <translation>Trombone</translation>
    </message>
    <message>
        <source>チューバ</source>
        <translation>Tuba</translation>
    </message>
    <message>
        <source>ミュート・トランペット</source>
        <translation>Muted Trumpet</translation>
    </message>
    <message>
        <source>フレンチ・ホルン</source>
        <translation>French Horn</translation>
    </message>
    <message>
        <source>ブラス・セクション</source>
        <translation>Brass Section</translation>
    </message>
    <message>
        <source>シンセ・ブラス1</source>
        <translation>Synth Brass 1</translation>
    </message>
    <message>
        <source>シンセ・ブラス2</source>
        <translation>Synth Brass 2</translation>
    </message>
    <message>
        <source>ソプラノ・サックス</source>
        <translation>Soprano Sax</translation>
    </message>
    <message>
        <source>アルト・サックス</source>
        <translation>Alto Sax</translation>
    </message>
    <message>
        <source>テナー・サックス</source>
        <translation>Tenor Sax</translation>
    </message>
    <message>
        <source>バリトン・サックス</source>
        <translation>Baritone Sax</translation>
    </message>
    <message>
        <source>オーボエ</source>
        <translation>Oboe</translation>
    </message>
    <message>
        <source>イングリッシュ・ホルン</source>
        <translation>English Horn</translation>
    </message>
    <message>
        <source>ファゴット</source>
        <translation>Bassoon</translation>
    </message>
    <message>
        <source>クラリネット</source>
        <translation>Clarinet</translation>
    </message>
    <message>
        <source>ピッコロ</source>
        <translation>Piccolo</translation>
    </message>
    <message>
        <source>フルート</source>
        <translation>Flute</translation>
    </message>
    <message>
        <source>リコーダー</source>
        <translation>Recorder</translation>
    </message>
    <message>
        <source>パン・フルート</source>
        <translation>Pan Flute</translation>
    </message>
    <message>
        <source>ボトル・ブロウ</source>
        <translation>Blown Bottle</translation>
    </message>
    <message>
        <source>尺八</source>
        <translation>Shakuhachi</translation>
    </message>
    <message>
        <source>口笛</source>
        <translation>Whistle</translation>
    </message>
    <message>
        <source>オカリナ</source>
        <translation>Ocarina</translation>
    </message>
    <message>
        <source>矩形波</source>
        <translation>Lead 1 (square)</translation>
    </message>
    <message>
        <source>ノコギリ波</source>
        <translation>Lead 2 (sawtooth)</translation>
    </message>
    <message>
        <source>カリオペ</source>
        <translation>Lead 3 (calliope)</translation>
    </message>
    <message>
        <source>チフ・リード</source>
        <translation>Lead 4 (chiff)</translation>
    </message>
    <message>
        <source>チャランゴ</source>
        <translation>Lead 5 (charang)</translation>
    </message>
    <message>
        <source>ソロ・ボイス</source>
        <translation>Lead 6 (voice)</translation>
    </message>
    <message>
        <source>5度ノコギリ波</source>
        <translation>Lead 7 (fifths)</translation>
    </message>
    <message>
        <source>ベース＆リード</source>
        <translation>Lead 8 (bass + lead)</translation>
    </message>
    <message>
        <source>ファンタジア</source>
        <translation>Pad 1 (new age)</translation>
    </message>
    <message>
        <source>ウォーム・パッド</source>
        <translation>Pad 2 (warm)</translation>
    </message>
    <message>
        <source>ポリシンセ</source>
        <translation>Pad 3 (polysynth)</translation>
    </message>
    <message>
        <source>スペース・ボイス</source>
        <translation>Pad 4 (choir)</translation>
    </message>
    <message>
        <source>ボウド・グラス</source>
        <translation>Pad 5 (bowed)</translation>
    </message>
    <message>
        <source>メタル・パッド</source>
        <translation>Pad 6 (metallic)</translation>
    </message>
    <message>
        <source>ハロー・パッド</source>
        <translation>Pad 7 (halo)</translation>
    </message>
    <message>
        <source>スウィープ・パッド</source>
        <translation>Pad 8 (sweep)</translation>
    </message>
    <message>
        <source>アイス・レイン</source>
        <translation>FX 1 (rain)</translation>
    </message>
    <message>
        <source>サウンドトラック</source>
        <translation>FX 2 (soundtrack)</translation>
    </message>
    <message>
        <source>クリスタル</source>
        <translation>FX 3 (crystal)</translation>
    </message>
    <message>
        <source>アトモスフィア</source>
        <translation>FX 4 (atmosphere)</translation>
    </message>
    <message>
        <source>ブライトネス</source>
        <translation>FX 5 (brightness)</translation>
    </message>
    <message>
        <source>ゴブリン</source>
        <translation>FX 6 (goblins)</translation>
    </message>
    <message>
        <source>エコー・ドロップス</source>
        <translation>FX 7 (echoes)</translation>
    </message>
    <message>
        <source>スター・テーマ</source>
        <translation>FX 8 (sci-fi)</translation>
    </message>
    <message>
        <source>シタール</source>
        <translation>Sitar</translation>
    </message>
    <message>
        <source>バンジョー</source>
        <translation>Banjo</translation>
    </message>
    <message>
        <source>三味線</source>
        <translation>Shamisen</translation>
    </message>
    <message>
        <source>琴</source>
        <translation>Koto</translation>
    </message>
    <message>
        <source>カリンバ</source>
        <translation>Kalimba</translation>
    </message>
    <message>
        <source>バグパイプ</source>
        <translation>Bagpipe</translation>
    </message>
    <message>
        <source>フィドル</source>
        <translation>Fiddle</translation>
    </message>
    <message>
        <source>シャーナイ</source>
        <translation>Shanai</translation>
    </message>
    <message>
        <source>ティンクル・ベル</source>
        <translation>Tinkle Bell</translation>
    </message>
    <message>
        <source>アゴゴ</source>
        <translation>Agogo</translation>
    </message>
    <message>
        <source>スチール・ドラム</source>
        <translation>Steel Drums</translation>
    </message>
    <message>
        <source>ウッド・ブロック</source>
        <translation>Woodblock</translation>
    </message>
    <message>
        <source>太鼓</source>
        <translation>Taiko Drum</translation>
    </message>
    <message>
        <source>メロディック・タム</source>
        <translation>Melodic Tom</translation>
    </message>
    <message>
        <source>シンセ・ドラム</source>
        <translation>Synth Drum</translation>
    </message>
    <message>
        <source>リバース・シンバル</source>
        <translation>Reverse Cymbal</translation>
    </message>
    <message>
        <source>ギター・フレット・ノイズ</source>
        <translation>Guitar Fret Noise</translation>
    </message>
    <message>
        <source>ブレス・ノイズ</source>
        <translation>Breath Noise</translation>
    </message>
    <message>
        <source>海岸</source>
        <translation>Seashore</translation>
    </message>
    <message>
        <source>鳥のさえずり</source>
        <translation>Bird Tweet</translation>
    </message>
    <message>
        <source>電話のベル</source>
        <translation>Telephone Ring</translation>
    </message>
    <message>
        <source>ヘリコプター</source>
        <translation>Helicopter</translation>
    </message>
    <message>
        <source>拍手</source>
        <translation>Applause</translation>
    </message>
    <message>
        <source>銃声</source>
        <translation>Gunshot</translation>
    </message>
</context>
<context>
    <name>sorvel::KeyCode</name>
    <message>
        <source>%1（弦）</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>sorvel::MusicXmlCommands</name>
    <message>
        <source>MusicXMLを読み込む</source>
        <translation>Import MusicXML</translation>
    </message>
    <message>
        <source>この楽譜にはパートが %1 個あります。読み込むパートを選んでください:</source>
        <translation>This score has %1 parts. Choose the part to import:</translation>
    </message>
    <message>
        <source>（名前なし）</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>（音符なし）</source>
        <translation> (no notes)</translation>
    </message>
    <message>
        <source>MusicXMLで保存しました: %1</source>
        <translation>Exported MusicXML: %1</translation>
    </message>
</context>
<context>
    <name>sorvel::NewBookDialog</name>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>sorvel::PlaybackController</name>
    <message>
        <source>再生</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>音声出力を開けないため、演奏とモニター音は使えません。</source>
        <translation>Cannot open the audio output, so playback and note monitoring are not available.</translation>
    </message>
</context>
<context>
    <name>sorvel::PrintCommands</name>
    <message>
        <source>PDFを作成しています...</source>
        <translation>Creating PDF...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>PDFで保存</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>%1 に印刷しました。</source>
        <translation>Printed to %1.</translation>
    </message>
    <message>
        <source>ビットマップファイルを保存できませんでした。
%1</source>
        <translation>Could not save the bitmap file.
%1</translation>
    </message>
    <message>
        <source>%1 に保存しました。</source>
        <translation>Saved to %1.</translation>
    </message>
    <message>
        <source>PDFの保存を取り消しました。</source>
        <translation>Saving the PDF was cancelled.</translation>
    </message>
    <message>
        <source>PDFファイルを保存できませんでした。
%1</source>
        <translation>Could not save the PDF file.
%1</translation>
    </message>
</context>
<context>
    <name>sorvel::RecoveryController</name>
    <message>
        <source>復元用のコピーを書き込めません（%1）。異常終了すると変更が失われます。こまめに保存してください。</source>
        <translation>Cannot write the recovery copy (%1). If the program ends abnormally, your changes will be lost. Please save often.</translation>
    </message>
    <message>
        <source>復元用のコピーを再び書き込めるようになりました。</source>
        <translation>The recovery copy can be written again.</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>前回の終了時に保存されていない変更があります。
復元しますか？

ファイル: %1
日時: %2

「いいえ」を選ぶと、この変更は破棄されます。「後で」を選ぶと、次回の起動時にもう一度確認します。</source>
        <translation>There are changes that were not saved when the program last ended.
Do you want to restore them?

File: %1
Date: %2

If you choose “No”, these changes will be discarded. If you choose “Later”, you will be asked again at the next start.</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>後で(&amp;L)</source>
        <translation>&amp;Later</translation>
    </message>
    <message>
        <source>前回の終了時の復元用のコピーを読み込めませんでした。</source>
        <translation>Could not read the recovery copy left when the program last ended.</translation>
    </message>
    <message>
        <source>

コピーは次の名前で残してあります。次回からは確認しません。</source>
        <translation>

The copy has been kept under the following name. You will not be asked about it again.</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmInsDel</name>
    <message>
        <source>挿入</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>空白を挿入し、以降の音符を右にシフトします</source>
        <translation>Inserts space and shifts the following notes to the right</translation>
    </message>
    <message>
        <source>挿入数</source>
        <translation>Number to insert</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>音符を削除し、以降の音符を左にシフトします</source>
        <translation>Deletes notes and shifts the following notes to the left</translation>
    </message>
    <message>
        <source>削除数</source>
        <translation>Number to delete</translation>
    </message>
    <message>
        <source>挿入する%1数がマイナスです。</source>
        <translation>The number to insert (%1) is negative.</translation>
    </message>
    <message>
        <source>挿入する%1数が１ページを超えています。</source>
        <translation>The number to insert (%1) exceeds one page.</translation>
    </message>
    <message>
        <source>削除する%1数がマイナスです。</source>
        <translation>The number to delete (%1) is negative.</translation>
    </message>
    <message>
        <source>削除する%1数が１ページを超えています。</source>
        <translation>The number to delete (%1) exceeds one page.</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmKeyBoard</name>
    <message>
        <source>ピアノ鍵盤</source>
        <translation>Piano Keyboard</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmMain</name>
    <message>
        <source>デフォルトのプリンターが登録されていませんので、印刷はできません。<byte value="xd"/>
<byte value="xd"/>
印刷以外の操作は通常通り行えます。</source>
        <translation>No default printer is set up, so printing is not possible.<byte value="xd"/>
<byte value="xd"/>
Everything other than printing works as usual.</translation>
    </message>
    <message>
        <source>ドロップするファイルは１個にしてください。</source>
        <translation>Drop only one file.</translation>
    </message>
    <message>
        <source>前回保存されなかった変更を復元しました。</source>
        <translation>Restored the changes that were not saved last time.</translation>
    </message>
    <message>
        <source>全音符</source>
        <translation>whole note</translation>
    </message>
    <message>
        <source>2分音符</source>
        <translation>half note</translation>
    </message>
    <message>
        <source>4分音符</source>
        <translation>quarter note</translation>
    </message>
    <message>
        <source>8分音符</source>
        <translation>eighth note</translation>
    </message>
    <message>
        <source>16分音符</source>
        <translation>16th note</translation>
    </message>
    <message>
        <source>32分音符</source>
        <translation>32nd note</translation>
    </message>
    <message>
        <source>64分音符</source>
        <translation>64th note</translation>
    </message>
    <message>
        <source>付点%1</source>
        <translation>dotted %1</translation>
    </message>
    <message>
        <source>リズム入力: %1</source>
        <translation>Rhythm entry: %1</translation>
    </message>
    <message>
        <source>リズム入力: %1（付点の後）→ %2</source>
        <translation>Rhythm entry: %1 (after the dot) → %2</translation>
    </message>
    <message>
        <source>入力中の%1ページに戻りました。</source>
        <translation>Back to page %1, where you were entering notes.</translation>
    </message>
    <message>
        <source>音符の後から新しい小節を始めます。</source>
        <translation>Starting a new bar after the notes already there.</translation>
    </message>
    <message>
        <source>この先には音符があるため、入力できません。</source>
        <translation>There are notes ahead; nothing more can be entered here.</translation>
    </message>
    <message>
        <source>弱起の小節を閉じました。次の音符から小節が始まります。</source>
        <translation>Pickup bar closed. Full bars start with the next note.</translation>
    </message>
    <message>
        <source>小節を短く閉じました。</source>
        <translation>Bar closed short.</translation>
    </message>
    <message>
        <source>装飾音の後には、それを付ける音符を入力してください。</source>
        <translation>After grace notes, type the note they belong to.</translation>
    </message>
    <message>
        <source>装飾音には臨時記号を付けられません。</source>
        <translation>Grace notes cannot take accidentals.</translation>
    </message>
    <message>
        <source>装飾音は４つまでです。</source>
        <translation>At most four grace notes.</translation>
    </message>
    <message>
        <source>x z: オクターブ&#x3000;c v: 長さ&#x3000;# b n: 臨時記号&#x3000;g: 装飾音&#x3000;/: 小節を閉じる</source>
        <translation>x z: octave  c v: length  # b n: accidentals  g: grace note  /: close the bar</translation>
    </message>
    <message>
        <source>&#x3000;装飾音 %1</source>
        <translation>  Grace notes %1</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmPlay</name>
    <message>
        <source>MUTE(交互)</source>
        <translation>Every other pass</translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation>Every pass</translation>
    </message>
    <message>
        <source>%1 / %2 回目&#x3000;速度 %3 %</source>
        <translation>Pass %1 / %2, speed %3 %</translation>
    </message>
    <message>
        <source>%1 回目&#x3000;速度 %2 %</source>
        <translation>Pass %1, speed %2 %</translation>
    </message>
    <message>
        <source>入力デバイスがないため使えません。マイクをつなぐと使えます。</source>
        <translation>Unavailable: there is no input device. Connect a microphone to use it.</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmRecord</name>
    <message>
        <source>録音に使える入力デバイスがありません。</source>
        <translation>There is no input device to record from.</translation>
    </message>
    <message>
        <source>カウント中…</source>
        <translation>Counting in…</translation>
    </message>
    <message>
        <source>録音中 %1</source>
        <translation>Recording %1</translation>
    </message>
    <message>
        <source>録音できませんでした。入力デバイスを確かめてください。</source>
        <translation>Recording failed. Please check the input device.</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmSetInfo</name>
    <message>
        <source>ブックタイトル</source>
        <translation>Book Title</translation>
    </message>
    <message>
        <source>ページプロパティ</source>
        <translation>Page Properties</translation>
    </message>
    <message>
        <source>表示位置</source>
        <translation>Positions</translation>
    </message>
    <message>
        <source>曲情報</source>
        <translation>Piece Info</translation>
    </message>
    <message>
        <source>一般</source>
        <translation>General</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>MIDI設定</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>ブック情報設定</source>
        <translation>Book Settings</translation>
    </message>
    <message>
        <source>ページ情報設定</source>
        <translation>Page Settings</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>関連付けを登録できませんでした。</source>
        <translation>Could not register the file association.</translation>
    </message>
    <message>
        <source>関連付けを解除できませんでした。</source>
        <translation>Could not remove the file association.</translation>
    </message>
    <message>
        <source>自動（システムの言語）</source>
        <translation>Automatic (system language)</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmSetdaon</name>
    <message>
        <source>3</source>
        <comment>octave: three dots above</comment>
        <translation>High (3 dots)</translation>
    </message>
    <message>
        <source>2</source>
        <comment>octave: two dots above</comment>
        <translation>High (2 dots)</translation>
    </message>
    <message>
        <source>1</source>
        <comment>octave: one dot above</comment>
        <translation>High (1 dot)</translation>
    </message>
    <message>
        <source>0</source>
        <comment>octave: no dot</comment>
        <translation>Middle</translation>
    </message>
    <message>
        <source>-1</source>
        <comment>octave: one dot below</comment>
        <translation>Low (1 dot)</translation>
    </message>
    <message>
        <source>-2</source>
        <comment>octave: two dots below</comment>
        <translation>Low (2 dots)</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmTuner</name>
    <message>
        <source>チューナー</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source>入力デバイス(&amp;I):</source>
        <translation>&amp;Input device:</translation>
    </message>
    <message>
        <source>基準音 A4(&amp;A):</source>
        <translation>Reference &amp;A4:</translation>
    </message>
    <message>
        <source>入力デバイスがありません。マイクをつなぐと使えます。</source>
        <translation>No input device. Connect a microphone to use the tuner.</translation>
    </message>
    <message>
        <source>入力デバイスから音を受け取れません。デバイスを確かめてください。</source>
        <translation>No sound comes from the input device. Please check the device.</translation>
    </message>
    <message>
        <source>内弦</source>
        <translation>Inner string</translation>
    </message>
    <message>
        <source>外弦</source>
        <translation>Outer string</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmVersionInfo</name>
    <message>
        <source>ソルベル</source>
        <translation>Sorvel</translation>
    </message>
    <message>
        <source>二胡専用数字譜エディター『ソルベル』のバージョン情報</source>
        <translation>About Sorvel Erhu Numbered-Notation Editor</translation>
    </message>
    <message>
        <source>二胡専用数字譜エディター『ソルベル』</source>
        <translation>Sorvel Erhu Numbered-Notation Editor</translation>
    </message>
    <message>
        <source>Version 2.40</source>
        <translation>Version 2.40</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>このプログラムはフリーソフトウェアです。GNU 一般公衆利用許諾書（GPL）バージョン 3、またはそれ以降のバージョンの条件のもとで、再配布や改変ができます。保証は一切ありません。</source>
        <translation>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License (GPL), version 3 or any later version. It comes with absolutely no warranty.</translation>
    </message>
    <message>
        <source>GNU 一般公衆利用許諾書</source>
        <translation>GNU General Public License</translation>
    </message>
    <message>
        <source>ライセンス(&amp;L)...</source>
        <translation>&amp;License...</translation>
    </message>
</context>
<context>
    <name>sorvel::ToolPalette</name>
    <message>
        <source>メイン</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>低</source>
        <translation>8vb</translation>
    </message>
    <message>
        <source>高</source>
        <translation>8va</translation>
    </message>
    <message>
        <source>短</source>
        <translation>½</translation>
    </message>
    <message>
        <source>長</source>
        <translation>×2</translation>
    </message>
    <message>
        <source>強弱記号</source>
        <translation>Dynamics</translation>
    </message>
    <message>
        <source>分岐記号</source>
        <translation>Jumps</translation>
    </message>
    <message>
        <source>奏法</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>速度記号</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>拍子記号</source>
        <translation>Time Sig.</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>ツールなし (Esc)</source>
        <translation>No tool (Esc)</translation>
    </message>
    <message>
        <source>予備です</source>
        <translation>Reserved</translation>
    </message>
    <message>
        <source>休符</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>延長線</source>
        <translation>Sustain dash</translation>
    </message>
    <message>
        <source>付点</source>
        <translation>Dot</translation>
    </message>
    <message>
        <source>長休符（複数小節）</source>
        <translation>Multi-bar rest</translation>
    </message>
    <message>
        <source>開放弦</source>
        <translation>Open string</translation>
    </message>
    <message>
        <source>小節線</source>
        <translation>Bar line</translation>
    </message>
    <message>
        <source>複縦線</source>
        <translation>Double bar line</translation>
    </message>
    <message>
        <source>終止線</source>
        <translation>Final bar line</translation>
    </message>
    <message>
        <source>反復記号（始め）</source>
        <translation>Start repeat</translation>
    </message>
    <message>
        <source>反復記号（終わり）</source>
        <translation>End repeat</translation>
    </message>
    <message>
        <source>反復記号（両側）</source>
        <translation>Repeat on both sides</translation>
    </message>
    <message>
        <source>ダウンボウ</source>
        <translation>Pull bow (down-bow)</translation>
    </message>
    <message>
        <source>アップボウ</source>
        <translation>Push bow (up-bow)</translation>
    </message>
    <message>
        <source>内弦</source>
        <translation>Inner string</translation>
    </message>
    <message>
        <source>外弦</source>
        <translation>Outer string</translation>
    </message>
    <message>
        <source>フラット</source>
        <translation>Flat</translation>
    </message>
    <message>
        <source>ナチュラル</source>
        <translation>Natural</translation>
    </message>
    <message>
        <source>シャープ</source>
        <translation>Sharp</translation>
    </message>
    <message>
        <source>テキスト</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>ピアニッシッシモ（ppp）</source>
        <translation>Pianississimo (ppp)</translation>
    </message>
    <message>
        <source>ピアニッシモ（pp）</source>
        <translation>Pianissimo (pp)</translation>
    </message>
    <message>
        <source>ピアノ（p）</source>
        <translation>Piano (p)</translation>
    </message>
    <message>
        <source>メゾピアノ（mp）</source>
        <translation>Mezzo-piano (mp)</translation>
    </message>
    <message>
        <source>メゾフォルテ（mf）</source>
        <translation>Mezzo-forte (mf)</translation>
    </message>
    <message>
        <source>フォルテ（f）</source>
        <translation>Forte (f)</translation>
    </message>
    <message>
        <source>フォルティッシモ（ff）</source>
        <translation>Fortissimo (ff)</translation>
    </message>
    <message>
        <source>フォルティッシッシモ（fff）</source>
        <translation>Fortississimo (fff)</translation>
    </message>
    <message>
        <source>スフォルツァンド（sf）</source>
        <translation>Sforzando (sf)</translation>
    </message>
    <message>
        <source>クレッシェンド</source>
        <translation>Crescendo</translation>
    </message>
    <message>
        <source>デクレッシェンド</source>
        <translation>Decrescendo</translation>
    </message>
    <message>
        <source>フィーネ（Fine）</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>セーニョ</source>
        <translation>Segno</translation>
    </message>
    <message>
        <source>ダル・セーニョ（D.S.）</source>
        <translation>Dal segno (D.S.)</translation>
    </message>
    <message>
        <source>コーダ</source>
        <translation>Coda</translation>
    </message>
    <message>
        <source>ダ・カーポ（D.C.）</source>
        <translation>Da capo (D.C.)</translation>
    </message>
    <message>
        <source>ハーモニクス</source>
        <translation>Harmonic</translation>
    </message>
    <message>
        <source>下方モルデント</source>
        <translation>Lower mordent</translation>
    </message>
    <message>
        <source>左手ピチカート</source>
        <translation>Left-hand pizzicato</translation>
    </message>
    <message>
        <source>スタッカート</source>
        <translation>Staccato</translation>
    </message>
    <message>
        <source>トリル</source>
        <translation>Trill</translation>
    </message>
    <message>
        <source>トリル（波線つき）</source>
        <translation>Trill with wavy line</translation>
    </message>
    <message>
        <source>上方モルデント</source>
        <translation>Upper mordent</translation>
    </message>
    <message>
        <source>ターン</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>逆ターン</source>
        <translation>Inverted turn</translation>
    </message>
    <message>
        <source>ビブラート</source>
        <translation>Vibrato</translation>
    </message>
    <message>
        <source>アクセント</source>
        <translation>Accent</translation>
    </message>
    <message>
        <source>スタッカーティッシモ</source>
        <translation>Staccatissimo</translation>
    </message>
    <message>
        <source>トレモロ</source>
        <translation>Tremolo</translation>
    </message>
    <message>
        <source>ブレス</source>
        <translation>Breath mark</translation>
    </message>
    <message>
        <source>上行スライド</source>
        <translation>Upward slide</translation>
    </message>
    <message>
        <source>下行スライド</source>
        <translation>Downward slide</translation>
    </message>
    <message>
        <source>長い上行スライド</source>
        <translation>Long upward slide</translation>
    </message>
    <message>
        <source>長い下行スライド</source>
        <translation>Long downward slide</translation>
    </message>
    <message>
        <source>スラー</source>
        <translation>Slur</translation>
    </message>
    <message>
        <source>三連符</source>
        <translation>Triplet</translation>
    </message>
    <message>
        <source>前打音</source>
        <translation>Grace note before</translation>
    </message>
    <message>
        <source>後打音</source>
        <translation>Grace note after</translation>
    </message>
    <message>
        <source>連音の弧線</source>
        <translation>Tuplet arch</translation>
    </message>
    <message>
        <source>リタルダンド（rit.）</source>
        <translation>Ritardando (rit.)</translation>
    </message>
    <message>
        <source>アッチェレランド（accel.）</source>
        <translation>Accelerando (accel.)</translation>
    </message>
    <message>
        <source>テンポ</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>1オクターブ下げる</source>
        <translation>One octave down</translation>
    </message>
    <message>
        <source>1オクターブ上げる</source>
        <translation>One octave up</translation>
    </message>
    <message>
        <source>音を短く</source>
        <translation>Shorter</translation>
    </message>
    <message>
        <source>音を長く</source>
        <translation>Longer</translation>
    </message>
    <message>
        <source>音符 %1</source>
        <translation>Note %1</translation>
    </message>
    <message>
        <source>指番号 %1</source>
        <translation>Finger %1</translation>
    </message>
    <message>
        <source>%1番かっこ</source>
        <translation>Ending %1</translation>
    </message>
    <message>
        <source>%1 拍子</source>
        <translation>%1 time</translation>
    </message>
</context>
<context>
    <name>sorvel::TranscribeCommands</name>
    <message>
        <source>録音を聞き取っています…</source>
        <translation>Listening to the recording…</translation>
    </message>
    <message>
        <source>録音</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>確かめたい音を %1 ページで選択してあります。</source>
        <translation>The notes to check are selected on page %1.</translation>
    </message>
    <message>
        <source>ほかに確かめたい音のあるページ: %1</source>
        <translation>Other pages with notes to check: %1</translation>
    </message>
</context>
<context>
    <name>sorvel::TunerGauge</name>
    <message>
        <source>%1 セント</source>
        <translation>%1 cents</translation>
    </message>
</context>
<context>
    <name>sorvel::app</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>楽譜ファイルではありません（1 行目が楽譜のヘッダーではありません）。</source>
        <translation>Not a score file (the first line is not the score header).</translation>
    </message>
    <message>
        <source>ブックにページ %1 はありません（%2 ページまでです）。</source>
        <translation>The book has no page %1 (it has %2 pages).</translation>
    </message>
    <message>
        <source>楽譜を開くときと同じように読み込み、保存するときと同じように書き出します。</source>
        <translation>Reads a score exactly as opening it does and writes it exactly as saving does.</translation>
    </message>
    <message>
        <source>ページ N（既定は 1）を PNG 画像に書き出します。1 ページ単位が 1 ピクセルです。</source>
        <translation>Writes page N (by default 1) as a PNG image, one pixel per page unit.</translation>
    </message>
    <message>
        <source>ページ N（既定は 1）をビットマップ（BMP）画像に書き出します。</source>
        <translation>Writes page N (by default 1) as a bitmap (BMP) image.</translation>
    </message>
    <message>
        <source>ブックの全ページを、1 ページずつ PDF に書き出します。</source>
        <translation>Writes every page of the book to a PDF file, one PDF page each.</translation>
    </message>
    <message>
        <source>ページ N を含む曲を標準 MIDI ファイルに書き出します。</source>
        <translation>Writes the piece around page N as a Standard MIDI File.</translation>
    </message>
    <message>
        <source>ページ N を含む曲を内蔵シンセサイザーで演奏し、WAV（44.1 kHz、16 ビット、ステレオ）に書き出します。</source>
        <translation>Plays the piece around page N through the built-in synthesizer into a WAV file (44.1 kHz, 16-bit stereo).</translation>
    </message>
    <message>
        <source>五線譜（.musicxml、.xml、圧縮された .mxl）のパートを数字譜のブックにします。読み込んだものと省いたものを 1 行で知らせます。</source>
        <translation>Turns a part of a staff score (.musicxml, .xml or compressed .mxl) into a numbered-notation book, and says in one line what was read and what was left out.</translation>
    </message>
    <message>
        <source>ブックを二胡の記号つきで MusicXML 4.0 に書き出します。</source>
        <translation>Writes the book as MusicXML 4.0 with its erhu marks.</translation>
    </message>
    <message>
        <source>弓で弾いた旋律の録音（WAV、FLAC、OGG、MP3）を数字譜のブックにします。調、拍子、小節線、音の長さ、スライド・ビブラート・トリルを聞き取り、音符の数、1＝、拍子、テンポ、確かめたい音を 1 行で知らせます。</source>
        <translation>Writes a recording of a bowed melody (WAV, FLAC, OGG, MP3) down as a numbered-notation book: key, time signature, bar lines, lengths, slides, vibrato and trills are heard; one line names the notes, 1=, time signature, tempo and the notes to check.</translation>
    </message>
    <message>
        <source>書き出すページ（1 から数えます）。演奏するコマンドでは、そのページを含む曲です。</source>
        <translation type="vanished">The page to write, counted from 1; for the commands that play, the piece around that page.</translation>
    </message>
    <message>
        <source>読み込むパート（1 から数えます）。既定は音符のある最初のパートです。</source>
        <translation>The part to import, counted from 1; by default the first part with notes.</translation>
    </message>
    <message>
        <source>メトロノームの音を加えます。</source>
        <translation>Adds the metronome clicks.</translation>
    </message>
    <message>
        <source>二胡の記号（装飾音、トリル、スライド、ビブラート、強弱）をつけて演奏します。</source>
        <translation>Plays the erhu&apos;s marks: grace notes, trills, slides, vibrato and dynamics.</translation>
    </message>
    <message>
        <source>録音のテンポ（1 分間の四分音符の数）。聞き取らずにこれを使います。</source>
        <translation>The recording&apos;s tempo (quarter notes a minute), used instead of the one heard.</translation>
    </message>
    <message>
        <source>録音の拍子（2/4、3/4、4/4、3/8、6/8）。</source>
        <translation>The recording&apos;s time signature (2/4, 3/4, 4/4, 3/8, 6/8).</translation>
    </message>
    <message>
        <source>録音の調の主音（D、Bb、F# など）。</source>
        <translation>The tonic of the recording&apos;s key (D, Bb, F#, ...).</translation>
    </message>
    <message>
        <source>この説明を表示して終了します。</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>プログラムの名前とバージョンを表示して終了します。</source>
        <translation>Shows the program&apos;s name and version and exits.</translation>
    </message>
    <message>
        <source>これより後の引数はすべてファイル名です（- で始まるファイル名のため）。</source>
        <translation>Every argument after it is a file name (for names that start with -).</translation>
    </message>
    <message>
        <source>エディターが閉じられたか、コマンドが成功しました。</source>
        <translation>The editor was closed, or the command succeeded.</translation>
    </message>
    <message>
        <source>コマンドが失敗しました（読めない入力、書き込めない出力など）。エディターを開く画面がないときもこの値です。</source>
        <translation>The command failed (input that cannot be read, output that cannot be written, and so on); also when there is no display to open the editor on.</translation>
    </message>
    <message>
        <source>コマンドラインが誤っています（不明なオプション、足りない引数、誤った数）。</source>
        <translation>The command line is wrong (an unknown option, a missing argument, a bad number).</translation>
    </message>
    <message>
        <source>バッチコマンドは一度に一つだけです（%1 と %2）。</source>
        <translation>Only one batch command at a time (%1 and %2).</translation>
    </message>
    <message>
        <source>%1 というオプションはありません。sorvel --help を参照してください。</source>
        <translation>Unknown option %1. See sorvel --help.</translation>
    </message>
    <message>
        <source>%1 には値を指定してください。</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>%1 には 1 以上の数を指定してください。</source>
        <translation>%1 needs a number of 1 or more.</translation>
    </message>
    <message>
        <source>%2 では %1 は使えません。</source>
        <translation>%1 does not apply to %2.</translation>
    </message>
    <message>
        <source>%1 には入力ファイルと出力ファイルが必要です。</source>
        <translation>%1 needs an input and an output file.</translation>
    </message>
    <message>
        <source>%1 はバッチコマンドと一緒に使うオプションです。</source>
        <translation>%1 works only with a batch command.</translation>
    </message>
    <message>
        <source>警告: %1</source>
        <translation>warning: %1</translation>
    </message>
    <message>
        <source>エディターを開く画面がありません（DISPLAY が設定されていません）。バッチコマンドは画面なしで使えます。sorvel --help を参照してください。</source>
        <translation>There is no display to open the editor on (DISPLAY is not set). The batch commands work without one; see sorvel --help.</translation>
    </message>
    <message>
        <source>使い方:</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>ファイルを指定するとそのブックを開いてエディターを起動します。バッチコマンドは画面なしで動きます。</source>
        <translation>Starts the editor, on the book FILE.svl when one is named. The batch commands work without a display.</translation>
    </message>
    <message>
        <source>バッチコマンド:</source>
        <translation>Batch commands:</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>終了ステータス:</source>
        <translation>Exit status:</translation>
    </message>
    <message>
        <source>詳しくはマニュアル（man sorvel）を参照してください。</source>
        <translation>The manual page (man sorvel) says more.</translation>
    </message>
    <message>
        <source>ライセンス GPLv3+: GNU GPL バージョン 3 またはそれ以降 &lt;https://gnu.org/licenses/gpl.html&gt;</source>
        <translation>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;</translation>
    </message>
    <message>
        <source>これはフリーソフトウェアです。自由に変更し、再配布できます。</source>
        <translation>This is free software: you are free to change and redistribute it.</translation>
    </message>
    <message>
        <source>法律で認められる範囲で、保証は一切ありません。</source>
        <translation>There is NO WARRANTY, to the extent permitted by law.</translation>
    </message>
    <message>
        <source>音楽フォントを読み込めませんでした。</source>
        <translation>The music font could not be loaded.</translation>
    </message>
    <message>
        <source>演奏が %1 時間以内に終わりませんでした。何も書き出していません。</source>
        <translation>The play did not end within %1 hours; nothing was written.</translation>
    </message>
    <message>
        <source>General MIDI の SoundFont がインストールされていません（fluid-soundfont-gm または timgm6mb-soundfont）。</source>
        <translation>No General MIDI SoundFont is installed (fluid-soundfont-gm or timgm6mb-soundfont).</translation>
    </message>
    <message>
        <source>SoundFont を読み込めませんでした。</source>
        <translation>The SoundFont could not be loaded.</translation>
    </message>
    <message>
        <source>--tempo には 20 から 300 までの 1 分間の四分音符の数を指定してください（%1 ではなく）。</source>
        <translation>--tempo needs quarter notes a minute from 20 to 300, not %1.</translation>
    </message>
    <message>
        <source>--meter には 2/4、3/4、4/4、3/8、6/8 のどれかを指定してください（%1 ではなく）。</source>
        <translation>--meter needs 2/4, 3/4, 4/4, 3/8 or 6/8, not %1.</translation>
    </message>
    <message>
        <source>--key には長調の主音（C、G、D、F、Bb、F# など）を指定してください（%1 ではなく）。</source>
        <translation>--key needs the tonic of a major key (C, G, D, F, Bb, F#, ...), not %1.</translation>
    </message>
    <message>
        <source>ブックを弾いた録音を楽譜と照らし合わせ、音符ごとの音程のずれ（セント）と拍とのずれ（ミリ秒）を CSV に書き出します。テンポは奏者のままでかまいません。</source>
        <translation>Checks a recording of the book against the score and writes each note&apos;s pitch deviation (cents) and timing against the beat (ms) as CSV. The player may keep their own tempo.</translation>
    </message>
    <message>
        <source>書き出すページ（1 から数えます）。演奏するコマンドでは、そのページを含む曲です。--intonation では録音がそのページだけを弾いたものです（既定はブック全体）。</source>
        <translation>The page to write, counted from 1; for the commands that play, the piece around that page. With --intonation, the recording plays that page alone (by default the whole book).</translation>
    </message>
    <message>
        <source>%1 にはファイルが %2 つ必要です（%3）。</source>
        <translation>%1 needs %2 files (%3).</translation>
    </message>
    <message>
        <source>楽譜の %1 音のうち %2 音が録音にありました。</source>
        <translation>%2 of the score&apos;s %1 notes were found in the recording.</translation>
    </message>
</context>
<context>
    <name>sorvel::base</name>
    <message>
        <source>%1、%2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>sorvel::interchange</name>
    <message>
        <source>調号の変更（臨時記号で書きました）</source>
        <translation>Key changes (written as accidentals)</translation>
    </message>
    <message>
        <source>装飾音の臨時記号</source>
        <translation>Accidentals on grace notes</translation>
    </message>
    <message>
        <source>5つ目からの装飾音</source>
        <translation>Grace notes after the fourth</translation>
    </message>
    <message>
        <source>終わりのないスラー</source>
        <translation>Slurs without an end</translation>
    </message>
    <message>
        <source>3つ組にならない3連符の音</source>
        <translation type="vanished">Triplet notes not in a group of three</translation>
    </message>
    <message>
        <source>対応していない記号 %1</source>
        <translation>Unsupported mark %1</translation>
    </message>
    <message>
        <source>装飾音の記号 %1</source>
        <translation>Grace-note mark %1</translation>
    </message>
    <message>
        <source>この形式にない拍子 %1</source>
        <translation>Unsupported time signature %1</translation>
    </message>
    <message>
        <source>読み込まなかったものはありません。</source>
        <translation>Nothing was left out.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>読み込まなかったもの: %1。</source>
        <translation>Left out: %1.</translation>
    </message>
    <message>
        <source>MusicXMLを読み込みました（パート %1/%2、%3 小節、%4 音、%5 ページ）。%6</source>
        <translation type="vanished">Imported MusicXML (part %1/%2, %3 bars, %4 notes, %5 pages). %6</translation>
    </message>
    <message>
        <source>ファイルが大きすぎるため読み込めません。</source>
        <translation>The file is too large to read.</translation>
    </message>
    <message>
        <source>圧縮MusicXML（.mxl）の中に楽譜が見つかりません。</source>
        <translation>No score was found in the compressed MusicXML (.mxl) file.</translation>
    </message>
    <message>
        <source>タイムワイズ形式のMusicXMLには対応していません。パートワイズ形式で保存し直してください。</source>
        <translation>Timewise MusicXML is not supported. Save the file again in partwise format.</translation>
    </message>
    <message>
        <source>MusicXMLの楽譜ではありません。</source>
        <translation>This is not a MusicXML score.</translation>
    </message>
    <message>
        <source>音符のあるパートがありません。</source>
        <translation>No part contains notes.</translation>
    </message>
    <message>
        <source>指定されたファイルは見つかりません。</source>
        <translation>The specified file was not found.</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation>Cannot read the file.</translation>
    </message>
    <message>
        <source>MusicXMLとして読み込めません（XMLの誤り: %1、%2 バイト目）。</source>
        <translation>Cannot read the file as MusicXML (XML error: %1, at byte %2).</translation>
    </message>
    <message>
        <source>パート %1 はありません（この楽譜のパートは %2 個です）。</source>
        <translation>There is no part %1 (this score has %2 parts).</translation>
    </message>
    <message>
        <source>和音の音</source>
        <translation>Chord notes</translation>
    </message>
    <message>
        <source>他の声部の音</source>
        <translation>Notes in other voices</translation>
    </message>
    <message>
        <source>他の譜表の音</source>
        <translation>Notes on other staves</translation>
    </message>
    <message>
        <source>他の譜表の記号</source>
        <translation>Marks on other staves</translation>
    </message>
    <message>
        <source>キュー音符</source>
        <translation>Cue notes</translation>
    </message>
    <message>
        <source>打楽器の音</source>
        <translation>Percussion notes</translation>
    </message>
    <message>
        <source>3連符以外の連符</source>
        <translation type="vanished">Tuplets other than triplets</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>歌詞</source>
        <translation>Lyrics</translation>
    </message>
    <message>
        <source>コードネーム</source>
        <translation>Chord symbols</translation>
    </message>
    <message>
        <source>対応していない指番号</source>
        <translation>Unsupported fingerings</translation>
    </message>
    <message>
        <source>対応していない弦の番号</source>
        <translation>Unsupported string numbers</translation>
    </message>
    <message>
        <source>擦弦楽器でないパートの指番号</source>
        <translation>Fingerings in parts that are not bowed strings</translation>
    </message>
    <message>
        <source>擦弦楽器でないパートの弦の番号</source>
        <translation>String numbers in parts that are not bowed strings</translation>
    </message>
    <message>
        <source>多すぎる装飾音</source>
        <translation>Too many grace notes</translation>
    </message>
    <message>
        <source>付く音のない装飾音</source>
        <translation>Grace notes without a main note</translation>
    </message>
    <message>
        <source>長すぎる音</source>
        <translation>Notes that are too long</translation>
    </message>
    <message>
        <source>長さのない音</source>
        <translation>Notes without a length</translation>
    </message>
    <message>
        <source>重なった音</source>
        <translation>Overlapping notes</translation>
    </message>
    <message>
        <source>読めない音の高さ</source>
        <translation>Unreadable pitches</translation>
    </message>
    <message>
        <source>上限を超えた小節</source>
        <translation>Bars beyond the limit</translation>
    </message>
    <message>
        <source>その他の記号</source>
        <translation>Other marks</translation>
    </message>
    <message>
        <source>MusicXMLを書き込めません。</source>
        <translation>Cannot write MusicXML.</translation>
    </message>
    <message>
        <source>調号の変更（新しいページにしました）</source>
        <translation>Key changes (a new page started)</translation>
    </message>
    <message>
        <source>%1連符の括弧</source>
        <translation>%1-tuplet brackets</translation>
    </message>
    <message>
        <source>%1連符（3連符の括弧で書きました）</source>
        <translation>%1-tuplets (written with triplet brackets)</translation>
    </message>
    <message>
        <source>書き換えたもの: %1。</source>
        <translation>Written differently: %1. </translation>
    </message>
    <message>
        <source>MusicXMLを読み込みました（パート %1/%2、%3 小節、%4 音、%5 ページ）。%6%7</source>
        <translation>Imported MusicXML (part %1/%2, %3 bars, %4 notes, %5 pages). %6%7</translation>
    </message>
    <message>
        <source>D.S.・D.C.で戻る部分（繰り返しを除いて書き出しました）</source>
        <translation>The return after D.S./D.C. (written out without repeats)</translation>
    </message>
    <message>
        <source>通常のファイルではないため読み込めません。</source>
        <translation>Cannot read it: it is not a regular file.</translation>
    </message>
    <message>
        <source>MusicXMLに書けない文字を%1個省きました。</source>
        <translation>Left out %1 characters that MusicXML cannot hold.</translation>
    </message>
</context>
<context>
    <name>sorvel::listen</name>
    <message>
        <source>音声ファイル %1 を読めません（%2）。</source>
        <translation>Cannot read the audio file %1 (%2).</translation>
    </message>
    <message>
        <source>%1 は音声ファイルではありません。</source>
        <translation>%1 is not an audio file.</translation>
    </message>
    <message>
        <source>%1 は読める音声ファイルではありません（%2）。</source>
        <translation>%1 is not a readable audio file (%2).</translation>
    </message>
    <message>
        <source>録音に音声が入っていません。</source>
        <translation>The recording holds no sound.</translation>
    </message>
    <message>
        <source>録音が短すぎます（%1 秒）。</source>
        <translation>The recording is too short (%1 s).</translation>
    </message>
    <message>
        <source>録音は無音です。</source>
        <translation>The recording is silent.</translation>
    </message>
    <message>
        <source>録音の音が小さすぎます（最大 %1 dB）。録音レベルを上げてください。</source>
        <translation>The recording is too quiet (at most %1 dB). Please raise the recording level.</translation>
    </message>
    <message>
        <source>録音が音割れしています（%1 サンプル）。音の高さを誤ることがあります。</source>
        <translation>The recording is clipped (%1 samples). Pitches may be heard wrongly.</translation>
    </message>
    <message>
        <source>聞き取りを中止しました。</source>
        <translation>Listening was cancelled.</translation>
    </message>
    <message>
        <source>録音から音符を聞き取れませんでした。</source>
        <translation>No notes could be heard in the recording.</translation>
    </message>
    <message>
        <source>譜にするのを中止しました。</source>
        <translation>Writing down was cancelled.</translation>
    </message>
    <message>
        <source>録音の %1 サンプルが音割れしています。</source>
        <translation>%1 samples of the recording are clipped.</translation>
    </message>
    <message>
        <source>録音の音量が小さすぎます。</source>
        <translation>The recording is too quiet.</translation>
    </message>
    <message>
        <source>録音を譜にしました（音符 %1、1＝%2、%3 拍子、♩＝%4、確かめたい音 %5）。%6</source>
        <translation>The recording is written down (notes %1, 1=%2, %3 time, ♩=%4, notes to check %5). %6</translation>
    </message>
</context>
<context>
    <name>sorvel::manpage</name>
    <message>
        <source>設定ファイル：オプション、最近使ったファイル、演奏の設定、インターフェースの言語（[Editor] の Language）。XDG_CONFIG_HOME が設定されていれば $XDG_CONFIG_HOME/sorvel/sorvelini です。インストールせず、書き込めるフォルダーから起動したプログラムは、実行ファイルの隣の sorvelini を使います。</source>
        <translation>The settings file: options, recent files, play settings and the interface language (Language in [Editor]). With XDG_CONFIG_HOME set it is $XDG_CONFIG_HOME/sorvel/sorvelini. A program that is not installed and is started from a folder it can write to uses sorvelini beside the executable instead.</translation>
    </message>
    <message>
        <source>保存していない変更のあるブックの復元用コピー。次に起動したときに復元を提案します。XDG_STATE_HOME が設定されていれば $XDG_STATE_HOME/sorvel/recovery/ です。</source>
        <translation>Recovery copies of books with unsaved changes, offered for restoring at the next start. With XDG_STATE_HOME set it is $XDG_STATE_HOME/sorvel/recovery/.</translation>
    </message>
    <message>
        <source>操作説明（ヘルプメニューが開くものと同じページ）。</source>
        <translation>The user guide (the same pages the Help menu opens).</translation>
    </message>
    <message>
        <source>--render-wav が使う SoundFont（.sf2）ファイル。設定されていなければ General MIDI の SoundFont（fluid-soundfont-gm、なければ timgm6mb-soundfont）です。</source>
        <translation>The SoundFont (.sf2) file --render-wav plays through. Without it, the General MIDI SoundFont (fluid-soundfont-gm, else timgm6mb-soundfont).</translation>
    </message>
    <message>
        <source>設定ファイルの言語が「自動」（既定）のとき、インターフェース、バッチコマンドのメッセージと --help の言語を決めます。LC_ALL、LC_MESSAGES、LANG のうち最初に設定されているもののロケールで、C と POSIX 以外では LANGUAGE の最初の言語が優先します。日本語、中国語（台湾・香港・マカオは繁体字、ほかは簡体字）、それ以外はすべて英語になります。</source>
        <translation>When the language in the settings file is automatic (the default), these choose the language of the interface, of the batch commands&apos; messages and of --help. The locale is that of the first of LC_ALL, LC_MESSAGES and LANG that is set; unless it is C or POSIX, the first language listed in LANGUAGE takes its place. Japanese and Chinese (traditional for Taiwan, Hong Kong and Macao, simplified for the others) are used as such; any other language gives English.</translation>
    </message>
    <message>
        <source>エディターを開く画面。どちらも（QT_QPA_PLATFORM も）設定されていなければ、エディターを開かずに 1 行のメッセージを出し、終了ステータス 1 で終わります。バッチコマンドは画面を使いません。</source>
        <translation>The display the editor opens on. When neither is set (nor QT_QPA_PLATFORM), the editor does not open: one line says so and the exit status is 1. The batch commands use no display.</translation>
    </message>
    <message>
        <source>ユーザーコマンド</source>
        <translation>User Commands</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>二胡の数字譜（簡譜）を書き、印刷し、演奏する楽譜エディター</source>
        <translation>score editor that writes, prints and plays erhu music in numbered notation (jianpu)</translation>
    </message>
    <message>
        <source>書式</source>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>ソルベルは二胡奏者のための楽譜エディターです。数字譜（簡譜）に、弓の向き、内弦と外弦、指番号、滑音や装飾音など二胡の記号を書き込みます。一冊の曲集を一つの .svl ファイルに収めます。</source>
        <translation>Sorvel is a score editor for erhu players. Music is written in numbered notation (jianpu) with the erhu&apos;s own marks: bowings, inner and outer string, fingerings, slides and ornaments. A whole book of pieces is kept in one .svl file.</translation>
    </message>
    <message>
        <source>バッチコマンドを指定しなければエディターを開きます。FILE.svl を指定するとそのブックを開きます。バッチコマンドは画面なしで動き、一つのファイルを読んで一つのファイルを書きます。失敗したときは標準エラーに 1 行のメッセージを出し、0 以外の終了ステータスで終わり、出力ファイルを残しません。</source>
        <translation type="vanished">Without a batch command, sorvel opens the editor, on the book FILE.svl when one is named. A batch command works without a display: it reads one file and writes one file. On failure it prints one line on standard error, ends with a non-zero exit status and leaves no output file behind.</translation>
    </message>
    <message>
        <source>バッチコマンド</source>
        <translation>BATCH COMMANDS</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>FILES</translation>
    </message>
    <message>
        <source>環境変数</source>
        <translation>ENVIRONMENT</translation>
    </message>
    <message>
        <source>終了ステータス</source>
        <translation>EXIT STATUS</translation>
    </message>
    <message>
        <source>著作権</source>
        <translation>COPYRIGHT</translation>
    </message>
    <message>
        <source>バッチコマンドを指定しなければエディターを開きます。FILE.svl を指定するとそのブックを開きます。バッチコマンドは画面なしで動き、ファイルを読んで一つのファイルを書きます。失敗したときは標準エラーに 1 行のメッセージを出し、0 以外の終了ステータスで終わり、出力ファイルを残しません。</source>
        <translation>Without a batch command, sorvel opens the editor, on the book FILE.svl when one is named. A batch command works without a display: it reads files and writes one file. On failure it prints one line on standard error, ends with a non-zero exit status and leaves no output file behind.</translation>
    </message>
</context>
<context>
    <name>sorvel::model</name>
    <message>
        <source>%1ページ目の記号が多すぎます。１ページに置ける記号は%2個までです。</source>
        <translation>Too many symbols on page %1. One page can hold at most %2 symbols.</translation>
    </message>
    <message>
        <source>楽譜全体の記号とページが多すぎます。記号とページは合わせて%1個までです。</source>
        <translation>Too many symbols and pages in the whole score. Symbols and pages together are limited to %1.</translation>
    </message>
    <message>
        <source>%1ページ目に、結び付いた記号が多すぎる記号があります。１つの記号に結び付けられる記号は%2個までです。</source>
        <translation>Page %1 has a symbol with too many symbols linked to it. One symbol can be linked to at most %2 symbols.</translation>
    </message>
    <message>
        <source>テキストの行が多すぎます。テキストは楽譜全体で%1行までです。</source>
        <translation>Too many lines of text. Text in the whole score is limited to %1 lines.</translation>
    </message>
    <message>
        <source>楽譜データが大きすぎます。保存できる楽譜データは%1MBまでです。</source>
        <translation>The score data is too large. Score data that can be saved is limited to %1 MB.</translation>
    </message>
    <message>
        <source>指定されたファイルは見つかりません。</source>
        <translation>The specified file was not found.</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation>Cannot read the file.</translation>
    </message>
    <message>
        <source>楽譜データが壊れているため読み込めません。</source>
        <translation>Cannot read the score data because it is damaged.</translation>
    </message>
    <message>
        <source>楽譜データが大きすぎるため読み込めません。</source>
        <translation>Cannot read the score data because it is too large.</translation>
    </message>
    <message>
        <source>「%1」に保存できません。</source>
        <translation>Cannot save to “%1”.</translation>
    </message>
    <message>
        <source>「%1」は、読み込んだ後にほかのプログラムで変更されています。
上書き保存すると、その変更は失われます。上書きしますか？</source>
        <translation>“%1” has been changed by another program since it was read.
Saving over it will lose those changes. Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>このプロパティは有りません  %1</source>
        <translation>No such property: %1</translation>
    </message>
    <message>
        <source>このプロパティの型は現在使用できません</source>
        <translation>This property&apos;s type cannot be used at present</translation>
    </message>
    <message>
        <source>通常のファイルではないため読み込めません。</source>
        <translation>Cannot read it: it is not a regular file.</translation>
    </message>
</context>
<context>
    <name>sorvel::playback</name>
    <message>
        <source>コーダーに対応するコーダーが存在しません</source>
        <translation>A coda sign has no matching coda</translation>
    </message>
    <message>
        <source>１の括弧がありません。あるいは、リピートエンドの直後に１括弧が指定されています</source>
        <translation>The first ending bracket is missing, or a first ending bracket directly follows an end-repeat sign</translation>
    </message>
    <message>
        <source>楽譜の繰り返しが終わらないため、繰り返しが閉じるところで演奏を止めます。</source>
        <translation>The repeats of the score would never end; the play stops where they close.</translation>
    </message>
</context>
<context>
    <name>sorvel::practice</name>
    <message>
        <source>%1 ページはありません。</source>
        <translation>There is no page %1.</translation>
    </message>
    <message>
        <source>演奏する音符がありません。</source>
        <translation>There are no notes to play.</translation>
    </message>
</context>
<context>
    <name>sorvel::print</name>
    <message>
        <source>ページを %1 にできませんでした。</source>
        <translation>The page could not be encoded as %1.</translation>
    </message>
    <message>
        <source>ブックにページがありません。</source>
        <translation>The book has no pages.</translation>
    </message>
    <message>
        <source>PDF を書き始められませんでした。</source>
        <translation>The PDF could not be started.</translation>
    </message>
    <message>
        <source>PDF の作成を取り消しました。</source>
        <translation>Making the PDF was cancelled.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
