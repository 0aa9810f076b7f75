<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>trigram %1, %2</source>
        <translation>%1卦，%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A trigram&apos;s words, then its role (body or use)
----------
A trigram&apos;s place in the reading, then its element: &quot;outer trigram, Metal&quot;</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>陽爻</translation>
    </message>
    <message>
        <source>broken</source>
        <translation>陰爻</translation>
    </message>
    <message>
        <source>Lines from the top: %1, %2, %3.</source>
        <translation>自上而下：%1、%2、%3。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An accessible name: what a control shows, then its value</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1：空</translation>
    </message>
    <message>
        <source>An empty frame.</source>
        <translation>空白的框。</translation>
    </message>
    <message>
        <source>%1: casting</source>
        <translation>%1：正在起卦</translation>
    </message>
    <message>
        <source>%1 element: empty</source>
        <translation>%1五行：空</translation>
    </message>
    <message>
        <source>Element of the %1.</source>
        <translation>%1的五行。</translation>
    </message>
    <message>
        <source>Element of the %1, which is the body.</source>
        <translation>%1的五行，為體。</translation>
    </message>
    <message>
        <source>%1, favourable</source>
        <translation>%1，有利</translation>
    </message>
    <message>
        <source>%1, unfavourable</source>
        <translation>%1，不利</translation>
    </message>
    <message>
        <source>Element of the %1. %2.</source>
        <translation>%1的五行。%2。</translation>
    </message>
    <message>
        <source>Role of the %1: %2</source>
        <translation>%1的體用：%2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>What a number is, then the number: &quot;Original hexagram 49&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>中</translation>
    </message>
    <message>
        <source>top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Line %1 of 6, counted from the bottom: the %2 line of the outer trigram.</source>
        <translation>自下而上第 %1 爻（共六爻）：外卦的%2爻。</translation>
    </message>
    <message>
        <source>Line %1 of 6, counted from the bottom: the %2 line of the inner trigram.</source>
        <translation>自下而上第 %1 爻（共六爻）：內卦的%2爻。</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>第 %1 爻</translation>
    </message>
    <message>
        <source>%1, the change line</source>
        <translation>%1，動爻</translation>
    </message>
    <message>
        <source>%1, not the change line</source>
        <translation>%1，非動爻</translation>
    </message>
    <message>
        <source>Original hexagram</source>
        <translation>本卦</translation>
    </message>
    <message>
        <source>Change line</source>
        <translation>動爻</translation>
    </message>
    <message>
        <source>Final hexagram</source>
        <translation>變卦</translation>
    </message>
    <message>
        <source>Original hexagram %1, %2. Change line %3. Final hexagram %4, %5. Body: %6. Use: %7.</source>
        <translation>本卦第%1卦%2。動爻：%3。變卦第%4卦%5。體：%6。用：%7。</translation>
    </message>
    <message>
        <source>%1 element: casting</source>
        <translation>%1五行：正在起卦</translation>
    </message>
    <message>
        <source>Role of the %1: casting</source>
        <translation>%1的體用：正在起卦</translation>
    </message>
</context>
<context>
    <name>CaseBookWords</name>
    <message>
        <source>The case book %1 could not be opened: %2</source>
        <extracomment>%1 is the case book&apos;s file, %2 what SQLite said of it</extracomment>
        <translation>無法開啟占例簿 %1：%2</translation>
    </message>
    <message>
        <source>The case book %1 could not be written: %2</source>
        <extracomment>%1 is the case book&apos;s file, %2 what SQLite said of it</extracomment>
        <translation>無法寫入占例簿 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a case book. It was left as it is.</source>
        <translation>%1 不是占例簿，未作任何更動。</translation>
    </message>
    <message>
        <source>The case book %1 was made by a newer version of Zandrel. It was left as it is.</source>
        <translation>占例簿 %1 由較新版本的 Zandrel 建立，未作任何更動。</translation>
    </message>
    <message>
        <source>The case book %1 is damaged. It was left as it is: restore your last export, or recover it with SQLite&apos;s own tools.</source>
        <translation>占例簿 %1 已損毀，未作任何更動：請還原最近一次匯出的紀錄，或用 SQLite 本身的工具修復。</translation>
    </message>
    <message>
        <source>came true</source>
        <extracomment>The verdict on a reading: what it foretold happened</extracomment>
        <translation>應驗</translation>
    </message>
    <message>
        <source>partly</source>
        <extracomment>The verdict on a reading: part of what it foretold happened</extracomment>
        <translation>部分應驗</translation>
    </message>
    <message>
        <source>did not</source>
        <extracomment>The verdict on a reading: what it foretold did not happen</extracomment>
        <translation>未應驗</translation>
    </message>
    <message>
        <source>not yet</source>
        <extracomment>The verdict on a reading: not known yet</extracomment>
        <translation>待定</translation>
    </message>
    <message>
        <source>General query</source>
        <translation>隨機起卦</translation>
    </message>
    <message>
        <source>Target time query</source>
        <translation>指定時間起卦</translation>
    </message>
    <message>
        <source>Traditional time query</source>
        <translation>農曆時間起卦</translation>
    </message>
    <message>
        <source>By numbers</source>
        <translation>數字起卦</translation>
    </message>
    <message>
        <source>By characters</source>
        <translation>文字起卦</translation>
    </message>
    <message>
        <source>By trigrams</source>
        <translation>卦象起卦</translation>
    </message>
    <message>
        <source>From the query log</source>
        <extracomment>A record taken from an entry of the query log, whose way of casting is unknown</extracomment>
        <translation>取自占卜紀錄</translation>
    </message>
    <message>
        <source>records %1: %2 %3, %4 %5, %6 %7, %8 %9</source>
        <extracomment>%1 is how many records; then each verdict&apos;s count</extracomment>
        <translation>共%1筆：%2 %3，%4 %5，%6 %7，%8 %9</translation>
    </message>
    <message>
        <source>; %1% came true of %2 judged</source>
        <extracomment>%1 is a whole percentage, %2 how many records have a verdict</extracomment>
        <translation>；已判斷的%2筆中%1%應驗</translation>
    </message>
    <message>
        <source>; none judged yet</source>
        <translation>；尚無判斷</translation>
    </message>
    <message>
        <source>All methods: %1</source>
        <extracomment>Heading of the line that counts every record</extracomment>
        <translation>全部方法：%1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the name of a way of casting, %2 its counts</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 holds changes of another database, not of the case book beside it. Neither was changed: move %1 away to use the case book.</source>
        <extracomment>%1 is the file beside the case book that holds changes waiting to be written to it (SQLite&apos;s write-ahead log, casebook.sqlite-wal), which came from another database</extracomment>
        <translation>%1 存放的是另一個資料庫的變更，不屬於旁邊的占例簿。兩者均未更動：請把 %1 移走，才能使用占例簿。</translation>
    </message>
    <message>
        <source>The text is longer than the case book %1 keeps (4 MiB in a field, so that every record can be exported and imported again whole). It was not saved.</source>
        <extracomment>%1 is the case book&apos;s file</extracomment>
        <translation>文字超出占例簿 %1 所能保存的長度（每欄最多 4 MiB，以便每筆紀錄都能完整地匯出並重新匯入），未儲存。</translation>
    </message>
</context>
<context>
    <name>Casts</name>
    <message>
        <source>there is no rule &apos;%1&apos; for this input; rules: %2</source>
        <translation>此輸入沒有規則「%1」；可用的規則：%2</translation>
    </message>
    <message>
        <source>give one, two or three numbers</source>
        <translation>請給出一個、兩個或三個數</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number from 1 to 999999999</source>
        <translation>「%1」不是 1 到 999999999 之間的整數</translation>
    </message>
    <message>
        <source>give the outer and the inner trigram, and the change line if you have it</source>
        <translation>請給出上卦和下卦，已有動爻的也一併給出</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a trigram: give 1 to 8, a name or a direction</source>
        <translation>「%1」不是卦：請給出 1 到 8、卦名或方位</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a change line: give 1 to 6</source>
        <translation>「%1」不是動爻：請給出 1 到 6</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a count: write it as 字=6, or 字=3+3 for one character&apos;s two parts</source>
        <translation>「%1」不是筆畫數：請寫作 字=6，單字的兩部分寫作 字=3+3</translation>
    </message>
    <message>
        <source>there is no Chinese character to count</source>
        <translation>沒有可計筆畫的漢字</translation>
    </message>
    <message>
        <source>give the strokes of the two parts of %1 as %1=3+6</source>
        <translation>請按 %1=3+6 的格式給出「%1」兩部分的筆畫</translation>
    </message>
    <message>
        <source>the strokes of %1 are not known: give them as %1=N</source>
        <translation>不知「%1」的筆畫：請按 %1=N 給出</translation>
    </message>
    <message>
        <source>Cast by numbers: %1 (%2), %3</source>
        <translation>數字起卦：%1（%2），%3</translation>
    </message>
    <message>
        <source>Cast by characters: %1 (%2, %3), %4</source>
        <translation>文字起卦：%1（%2，%3），%4</translation>
    </message>
    <message>
        <source>; left out: %1</source>
        <translation>；未計：%1</translation>
    </message>
    <message>
        <source>Cast by trigrams: %1 over %2 (%3), %4</source>
        <translation>卦象起卦：上%1下%2（%3），%4</translation>
    </message>
    <message>
        <source>Kangxi strokes</source>
        <translation>康熙筆畫</translation>
    </message>
    <message>
        <source>modern strokes</source>
        <translation>現代筆畫</translation>
    </message>
    <message>
        <source>outer from the number, inner from the hour, line from both</source>
        <translation>數為上卦，時為下卦，數加時取動爻</translation>
    </message>
    <message>
        <source>line from the third number</source>
        <translation>第三數取動爻</translation>
    </message>
    <message>
        <source>line from the two trigrams&apos; numbers and the hour</source>
        <translation>上下卦數加時取動爻</translation>
    </message>
    <message>
        <source>line as given</source>
        <translation>按所給動爻</translation>
    </message>
    <message>
        <source>outer %1 mod %2 = %3 %4</source>
        <extracomment>The arithmetic of a cast: %1 the terms, %2 the divisor, %3 the remainder, %4 the trigram</extracomment>
        <translation>上卦 %1 ÷ %2 餘 %3 %4</translation>
    </message>
    <message>
        <source>inner %1 mod %2 = %3 %4</source>
        <translation>下卦 %1 ÷ %2 餘 %3 %4</translation>
    </message>
    <message>
        <source>change line %1 mod %2 = %3 %4</source>
        <translation>動爻 %1 ÷ %2 餘 %3 %4</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>outer from the number, inner and line from it and the hour</source>
        <translation>數為上卦，數加時為下卦並取動爻</translation>
    </message>
    <message>
        <source>line from their sum</source>
        <translation>兩數之和取動爻</translation>
    </message>
    <message>
        <source>line from their sum and the hour (a measure in zhang and chi)</source>
        <translation>兩數之和加時取動爻（如丈尺占）</translation>
    </message>
    <message>
        <source>line from the sum of the three</source>
        <translation>三數之和取動爻</translation>
    </message>
    <message>
        <source>by its two parts, left or top above</source>
        <translation>單字分兩部分，左或上為上卦</translation>
    </message>
    <message>
        <source>by its strokes above, the hour below</source>
        <translation>單字筆畫為上卦，時為下卦</translation>
    </message>
    <message>
        <source>first half above (the smaller), the rest below, line from all</source>
        <translation>前半（字少的一半）為上卦，其餘為下卦，總筆畫取動爻</translation>
    </message>
    <message>
        <source>by how many characters each half has</source>
        <translation>十一字以上，以兩半的字數起卦</translation>
    </message>
    <message>
        <source>hour %2 %1</source>
        <comment>the hour&apos;s branch name and number</comment>
        <translation>%2時 %1</translation>
    </message>
    <message>
        <source>the characters are not UTF-8 text</source>
        <translation>所給文字不是 UTF-8 文字</translation>
    </message>
</context>
<context>
    <name>CommandLineWords</name>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>選項「%1」需要一個值</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知選項「%1」</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多餘的參數「%1」</translation>
    </message>
    <message>
        <source>Usage: zandrel [--user-data]
       zandrel cast|lunar|text ...
       zandrel --help | --version

Casts hexagram readings. The custom hexagram texts (custom1.txt to custom64.txt)
and the query log (auvrel.log) are kept in the current directory.

Options:
  --user-data  keep them in ${XDG_DATA_HOME:-~/.local/share}/zandrel instead,
               creating it when missing; the desktop menu entry passes this
  --language LANG
               speak LANG: en (English), zh_CN (simplified Chinese) or zh_TW
               (traditional Chinese), instead of the desktop&apos;s language
  -h, --help   print this help and exit
  --version    print the version and exit

The options of every Qt program, such as -platform and -style, work as well.

</source>
        <translation>用法：zandrel [--user-data]
      zandrel cast|lunar|text ...
      zandrel --help | --version

起卦占問。自訂卦爻辭（custom1.txt 至 custom64.txt）和占問日誌（auvrel.log）
保存在目前的目錄中。

選項：
  --user-data  改為保存在 ${XDG_DATA_HOME:-~/.local/share}/zandrel 中，
               不存在時自動建立；桌面選單項目使用此選項
  --language LANG
               使用語言 LANG：en（英文）、zh_CN（簡體中文）或 zh_TW（繁體中文），
               而不用桌面的語言
  -h, --help   顯示此說明並結束
  --version    顯示版本並結束

所有 Qt 程式的選項（如 -platform 和 -style）同樣可用。

</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>選項「%1」需要一個值</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>選項「%1」不接受值</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知選項「%1」</translation>
    </message>
    <message>
        <source>the question is not UTF-8 text</source>
        <translation>問題不是 UTF-8 文字</translation>
    </message>
    <message>
        <source>the question has %1 characters; the question dialog takes at most %2</source>
        <translation>問題有 %1 個字元；提問對話框最多接受 %2 個</translation>
    </message>
    <message>
        <source>cannot write to the standard output</source>
        <translation>無法寫入標準輸出</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多餘的參數「%1」</translation>
    </message>
    <message>
        <source>give the date with --date YYYY-MM-DD</source>
        <translation>請用 --date YYYY-MM-DD 給出日期</translation>
    </message>
    <message>
        <source>give the hour with --period N or --time HH:MM</source>
        <translation>請用 --period N 或 --time HH:MM 給出時辰</translation>
    </message>
    <message>
        <source>give either --period or --time, not both</source>
        <translation>--period 與 --time 只能給出其一</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a period: give 1 (%2) to 12 (%3)</source>
        <translation>「%1」不是時辰：請給出 1（%2）到 12（%3）</translation>
    </message>
    <message>
        <source>favourable: %1</source>
        <translation>有利：%1</translation>
    </message>
    <message>
        <source>unfavourable: %1</source>
        <translation>不利：%1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A trigram&apos;s role, then how its element stands to the body&apos;s</extracomment>
        <translation>%1；%2</translation>
    </message>
    <message>
        <source>Question: %1</source>
        <translation>問題：%1</translation>
    </message>
    <message>
        <source>Original hexagram %1, change line %2, final hexagram %3</source>
        <translation>本卦：%1；動爻：%2；變卦：%3</translation>
    </message>
    <message>
        <source>Traditional time query: %1, %2</source>
        <translation>年月日時起卦：%1，%2</translation>
    </message>
    <message>
        <source>give the date as YYYY-MM-DD</source>
        <translation>請以 YYYY-MM-DD 給出日期</translation>
    </message>
    <message>
        <source>give the hexagram&apos;s number, 1 to 64</source>
        <translation>請給出卦的編號，1 到 64</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hexagram: give 1 to 64</source>
        <translation>「%1」不是卦：請給出 1 到 64</translation>
    </message>
    <message>
        <source>Commands, which need no display:
</source>
        <translation>無需顯示器的命令：
</translation>
    </message>
    <message>
        <source>  zandrel text N [--user-data]
      Prints the full text of hexagram N (1 to 64), as the text browser shows it.
</source>
        <translation>  zandrel text N [--user-data]
      顯示第 N 卦（1 至 64）的全文，與卦爻辭視窗所示相同。
</translation>
    </message>
    <message>
        <source>  Each takes --language LANG too, and then prints in that language.
  Their lines end in LF; in the JSON &quot;text&quot; the reading keeps the CR LF of the
  log. Exit status: 0 done, 1 a file error, 2 bad input.
</source>
        <translation>  每個命令也接受 --language LANG，並以該語言輸出。
  輸出的行以 LF 結尾；JSON 的 &quot;text&quot; 中卦辭保留日誌中的 CR LF。
  結束狀態：0 完成，1 檔案錯誤，2 輸入有誤。
</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two items of a list, or the list so far and its next item</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The list so far and its last item</extracomment>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>General query</source>
        <translation>隨機起卦</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; is given more than once</source>
        <translation>選項「%1」給出了不止一次</translation>
    </message>
    <message>
        <source>give %1 or %2, not both</source>
        <translation>%1 與 %2 只能給出其一</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; goes with %2</source>
        <translation>選項「%1」須與 %2 同用</translation>
    </message>
    <message>
        <source>give the change line once: with --line or after the trigrams</source>
        <translation>動爻只能給一次：用 --line 或寫在兩卦之後</translation>
    </message>
    <message>
        <source>give --strokes modern or --strokes kangxi</source>
        <translation>請給出 --strokes modern 或 --strokes kangxi</translation>
    </message>
    <message>
        <source>period %1 (%2)</source>
        <translation>時辰 %1（%2）</translation>
    </message>
    <message>
        <source>Target time query: %1, %2</source>
        <translation>公曆日期起卦：%1，%2</translation>
    </message>
    <message>
        <source>  zandrel cast --date YYYY-MM-DD (--period N | --time HH:MM) [--question TEXT]
               [--traditional] [--json] [--log] [--user-data] [--details]
               [--year-start lunar|lichun] [--zi-hour same-day|next-day]
               [--longitude DEG]
      Prints the reading of a target time query: the date&apos;s year, month and day
      and the two-hour period N (1 is 11PM - 1AM, 12 is 9PM - 11PM) or the one
      that holds the time. With --traditional, casts by the lunar date and hour
      instead. --json prints one JSON object, --log also adds the entry to the
      query log. Dates run from 1998-01-01 to 2099-12-31.
      --details also prints the four pillars and the solar term of the cast&apos;s
      moment, the strength of each trigram&apos;s element in the season, body and use
      at each stage, the nuclear, opposite and reversed hexagrams and the
      conditions of timing; --json always holds them. --year-start lunar|lichun,
      --zi-hour same-day|next-day and --longitude DEG (true solar time at DEG
      degrees east) override the settings file for one reading; they change the
      details only, never the cast.
  zandrel cast --numbers A [B [C]] [--rule RULE]
  zandrel cast --characters TEXT [--strokes modern|kangxi] [--count CHAR=N ...]
               [--rule RULE]
  zandrel cast --trigrams OUTER INNER [--line N]
               [--date YYYY-MM-DD] [--time HH:MM | --period N] [--question TEXT]
               [--json] [--log] [--user-data]
      Casts from counts: each value is a sum divided by 8 (a trigram) or 6 (the
      change line), a remainder of 0 counting as 8 or 6. The hour is the branch
      number of the time (11PM - 1AM is 1, 11AM - 1PM is 7); it is now&apos;s unless
      --date, --time or --period give another.
      Numbers 1 to 999999999. One number: outer from it, inner from the hour, line
      from both (rule inner-from-hour), or inner and line from it and the hour
      (inner-from-sum). Two: outer from A, inner from B, line from A + B
      (line-without-hour) or A + B + hour (line-with-hour; a measure in zhang and
      chi is cast so). Three: line from C (line-from-third) or A + B + C
      (line-from-sum). Example: --numbers 27 15 gives outer 27 mod 8 = 3 Fire,
      inner 15 mod 8 = 7 Mountain, change line (27 + 15) mod 6 = 0, so 6.
      Characters: Chinese characters only, others are left out. Two to ten: the
      first half (the smaller when odd) gives the outer, the rest the inner, all
      the line (halves); eleven or more count characters instead of strokes
      (count). One character by its two parts, radical and rest unless --count
      CHAR=L+R gives them (parts), or by its strokes and the hour
      (strokes-and-hour). --count CHAR=N sets a character&apos;s count. Example:
      --characters 天地人: 天 4 over 地 6 + 人 2 = 8, line 12 mod 6 = 0, so 6.
      Trigrams: 1 to 8, a name (li, 離), an image (fire, 火) or the direction of
      the later-heaven arrangement (south, 南); the line from outer + inner +
      hour, or as --line gives it. Example: --trigrams south north at 12:00
      gives 3 over 6, change line (3 + 6 + 7) mod 6 = 4.
</source>
        <translation>  zandrel cast --date YYYY-MM-DD (--period N | --time HH:MM) [--question TEXT]
               [--traditional] [--json] [--log] [--user-data] [--details]
               [--year-start lunar|lichun] [--zi-hour same-day|next-day]
               [--longitude DEG]
      顯示公曆日期起卦的結果：取日期的年、月、日和時辰 N（1 為子時 23–1 點，
      12 為亥時 21–23 點），或該時間所在的時辰。加 --traditional 則按農曆
      日期和時辰起卦。--json 輸出一個 JSON 物件，--log 同時把這一卦記入占問
      日誌。日期範圍為 1998-01-01 至 2099-12-31。
      --details 另顯示起卦時刻的四柱和節氣、各卦五行在月令中的旺衰、本卦、互卦、
      變卦各階段的體用生剋、互卦、錯卦、綜卦和應期；--json 總是包含這些內容。
      --year-start lunar|lichun、--zi-hour same-day|next-day 和 --longitude DEG
      （按東經 DEG 度的真太陽時）只在這一次取代設定檔中的取法；它們只改變
      這些細節，從不改變所起之卦。
  zandrel cast --numbers A [B [C]] [--rule RULE]
  zandrel cast --characters TEXT [--strokes modern|kangxi] [--count CHAR=N ...]
               [--rule RULE]
  zandrel cast --trigrams OUTER INNER [--line N]
               [--date YYYY-MM-DD] [--time HH:MM | --period N] [--question TEXT]
               [--json] [--log] [--user-data]
      以數起卦：每個值都是一個和，除以 8 得卦、除以 6 得動爻，餘 0 作 8 或 6。
      時數為該時刻的地支序數（子時為 1，午時為 7）；預設取目前時刻，可用
      --date、--time 或 --period 另行指定。
      數字為 1 到 999999999。一個數：數為上卦，時為下卦，數加時取動爻（規則
      inner-from-hour），或數加時為下卦並取動爻（inner-from-sum）。兩個數：A 為
      上卦，B 為下卦，A + B 取動爻（line-without-hour）或 A + B + 時取動爻
      （line-with-hour；丈尺占即用此法）。三個數：C 取動爻（line-from-third）或
      A + B + C 取動爻（line-from-sum）。例：--numbers 27 15 得上卦 27 ÷ 8 餘 3 離，
      下卦 15 ÷ 8 餘 7 艮，動爻 (27 + 15) ÷ 6 餘 0，作 6。
      文字：只計漢字，其餘不計。二到十字：前半（字數為奇時少一字）為上卦，其餘為
      下卦，總筆畫取動爻（halves）；十一字以上以字數代替筆畫（count）。單字分兩
      部分，預設部首與其餘，可用 --count 字=左+右 指定（parts），或以筆畫和時起卦
      （strokes-and-hour）。--count 字=N 指定一字的筆畫。例：--characters 天地人：
      天 4 為上卦，地 6 + 人 2 = 8 為下卦，動爻 12 ÷ 6 餘 0，作 6。
      卦象：1 到 8、卦名（li、離）、卦象（fire、火）或後天八卦的方位（south、南）；
      動爻取上卦數 + 下卦數 + 時數，或按 --line 所給。例：12:00 時 --trigrams
      south north 得上離下坎，動爻 (3 + 6 + 7) ÷ 6 餘 4。
</translation>
    </message>
    <message>
        <source>give --year-start lunar or --year-start lichun</source>
        <translation>請給出 --year-start lunar 或 --year-start lichun</translation>
    </message>
    <message>
        <source>give --zi-hour same-day or --zi-hour next-day</source>
        <translation>請給出 --zi-hour same-day 或 --zi-hour next-day</translation>
    </message>
    <message>
        <source>give --longitude as degrees east, from -180 to 180 (116.4)</source>
        <translation>請以東經度數給出 --longitude，從 -180 到 180（如 116.4）</translation>
    </message>
    <message>
        <source>  zandrel lunar YYYY-MM-DD [HH:MM] [--json] [--year-start lunar|lichun]
               [--zi-hour same-day|next-day] [--longitude DEG]
      Prints the lunar date, and with a time its hour, the four pillars and the
      solar term in force, by the settings file&apos;s conventions or those given.
</source>
        <translation>  zandrel lunar YYYY-MM-DD [HH:MM] [--json] [--year-start lunar|lichun]
               [--zi-hour same-day|next-day] [--longitude DEG]
      顯示農曆日期；給出時間時，另顯示時辰、四柱和當時的節氣，按設定檔中的
      取法或所給的選項。
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date: give YYYY-MM-DD</source>
        <translation>「%1」不是日期：請以 YYYY-MM-DD 給出</translation>
    </message>
    <message>
        <source>give --verdict true, partly, false or pending</source>
        <translation>請給出 --verdict true、partly、false 或 pending</translation>
    </message>
    <message>
        <source>no record &apos;%1&apos; in the case book, or more than one</source>
        <translation>占例簿中沒有「%1」這筆紀錄，或不只一筆</translation>
    </message>
    <message>
        <source>Record:       %1</source>
        <translation>紀錄：    %1</translation>
    </message>
    <message>
        <source>Cast:         %1</source>
        <translation>起卦：    %1</translation>
    </message>
    <message>
        <source>Method:       %1</source>
        <translation>方法：    %1</translation>
    </message>
    <message>
        <source>Inputs:       %1</source>
        <translation>輸入：    %1</translation>
    </message>
    <message>
        <source>Question:     %1</source>
        <translation>問題：    %1</translation>
    </message>
    <message>
        <source>Person:       %1</source>
        <translation>所問之人：%1</translation>
    </message>
    <message>
        <source>Tags:         %1</source>
        <translation>標籤：    %1</translation>
    </message>
    <message>
        <source>Hexagrams:    %1</source>
        <translation>卦：      %1</translation>
    </message>
    <message>
        <source>Verdict:      %1</source>
        <translation>判斷：    %1</translation>
    </message>
    <message>
        <source>Outcome date: %1</source>
        <translation>結果日期：%1</translation>
    </message>
    <message>
        <source>What happened: %1</source>
        <translation>結果：    %1</translation>
    </message>
    <message>
        <source>Notes:        %1</source>
        <translation>備註：    %1</translation>
    </message>
    <message>
        <source>%1: records %2, %3 came true, %4 partly, %5 did not, %6 not yet; came true: %7</source>
        <extracomment>%1 the method or &quot;All&quot;, %2 the records, then how many came true, partly, did not, are not judged yet, and the share that came true among those judged</extracomment>
        <translation>%1：%2 筆紀錄，%3 筆應驗，%4 筆部分應驗，%5 筆未應驗，%6 筆待定；應驗比例：%7</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>All methods of casting together, in the statistics</extracomment>
        <translation>全部</translation>
    </message>
    <message>
        <source>give --format json, csv or md</source>
        <translation>請給出 --format json、csv 或 md</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1 is the file, %2 what went wrong</extracomment>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the file, %2 what went wrong</extracomment>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is neither an export of a case book (JSON) nor a query log</source>
        <translation>%1 既不是占例簿的匯出檔（JSON），也不是占問日誌</translation>
    </message>
    <message>
        <source>Added %1, updated %2, skipped %3.
</source>
        <translation>新增 %1 筆，更新 %2 筆，略過 %3 筆。
</translation>
    </message>
    <message>
        <source>give list, show, note, outcome, stats, export or import</source>
        <translation>請給出 list、show、note、outcome、stats、export 或 import</translation>
    </message>
    <message>
        <source>      The case book (casebook.sqlite), where every logged cast is kept with its
      inputs: lists its records newest first, shows one (ID may be its first
      characters), sets its notes or its outcome, counts how many came true,
      writes every record to FILE (or prints it), and merges an export or a
      query log (auvrel.log) into it. Each takes --user-data too.
</source>
        <translation>      占例簿（casebook.sqlite）保存每一次記入日誌的起卦及其輸入：按新到舊列出
      紀錄，顯示其中一筆（ID 可只給開頭幾個字元），填寫備註或結果，統計應驗的
      比例，把全部紀錄寫入 FILE（或直接輸出），並把匯出檔或占問日誌
      （auvrel.log）合併進來。每個子命令也接受 --user-data。
</translation>
    </message>
    <message>
        <source>give the record&apos;s id and the note</source>
        <translation>請給出紀錄的 ID 和備註</translation>
    </message>
    <message>
        <source>give the record&apos;s id</source>
        <translation>請給出紀錄的 ID</translation>
    </message>
    <message>
        <source>  zandrel journal note ID TEXT
</source>
        <translation>  zandrel journal note ID TEXT
</translation>
    </message>
    <message>
        <source>  zandrel journal outcome ID --verdict true|partly|false|pending [--date D]
                             [--what TEXT]
</source>
        <translation>  zandrel journal outcome ID --verdict true|partly|false|pending [--date D]
                             [--what TEXT]
</translation>
    </message>
    <message>
        <source>  zandrel journal export [--format json|csv|md] [FILE]
</source>
        <translation>  zandrel journal export [--format json|csv|md] [FILE]
</translation>
    </message>
    <message>
        <source>%1: record %2, at byte %3, is not a record of a case book; nothing was imported</source>
        <extracomment>%1 is the file, %2 the number of the record, %3 the byte of the file it starts at</extracomment>
        <translation>%1：第 %2 筆紀錄（始於第 %3 位元組）不是占例簿的紀錄；未匯入任何紀錄</translation>
    </message>
    <message>
        <source>%1: record %2, at byte %3, is longer than %4 MiB; nothing was imported</source>
        <extracomment>%1 is the file, %2 the number of the record, %3 the byte of the file it starts at, %4 the most it may take in MiB</extracomment>
        <translation>%1：第 %2 筆紀錄（始於第 %3 位元組）超過 %4 MiB；未匯入任何紀錄</translation>
    </message>
    <message>
        <source>%1: a text of record %2, at byte %3, is longer than %4 MiB; nothing was imported</source>
        <extracomment>%1 is the file, %2 the number of the record, %3 the byte of the file it starts at, %4 the most one text may take in MiB</extracomment>
        <translation>%1：第 %2 筆紀錄（始於第 %3 位元組）中有一段文字超過 %4 MiB；未匯入任何紀錄</translation>
    </message>
    <message>
        <source>%1 ends too early, at byte %2 (whole records before it: %3); nothing was imported</source>
        <extracomment>%1 is the file, %2 the byte it ends at, %3 how many records came whole before</extracomment>
        <translation>%1 在第 %2 位元組處提前結束（此前完整的紀錄：%3 筆）；未匯入任何紀錄</translation>
    </message>
    <message>
        <source>%1: what follows record %2, at byte %3, is not part of an export; nothing was imported</source>
        <extracomment>%1 is the file, %2 the number of the last record read, %3 the byte of the file where what follows it starts</extracomment>
        <translation>%1：第 %2 筆紀錄之後（自第 %3 位元組起）的內容不屬於匯出檔；未匯入任何紀錄</translation>
    </message>
    <message>
        <source>give the file to import</source>
        <translation>請給出要匯入的檔案</translation>
    </message>
    <message>
        <source>  zandrel journal import FILE
</source>
        <translation>  zandrel journal import FILE
</translation>
    </message>
    <message>
        <source>  zandrel journal list [--search TEXT] [--tag T] [--method M] [--since DATE]
                       [--verdict V] [--json]
</source>
        <translation>  zandrel journal list [--search TEXT] [--tag T] [--method M] [--since DATE]
                       [--verdict V] [--json]
</translation>
    </message>
    <message>
        <source>  zandrel journal show ID [--json]
</source>
        <translation>  zandrel journal show ID [--json]
</translation>
    </message>
    <message>
        <source>  zandrel journal stats
</source>
        <translation>  zandrel journal stats
</translation>
    </message>
</context>
<context>
    <name>DateInputWords</name>
    <message>
        <source>there is no month %1</source>
        <translation>沒有 %1 月</translation>
    </message>
    <message>
        <source>there is no day 0</source>
        <translation>沒有 0 日</translation>
    </message>
    <message>
        <source>%1 %2 has %3 days</source>
        <extracomment>&quot;February 2023 has 28 days&quot;: the month&apos;s name, the year and its number of days</extracomment>
        <translation>%2 年%1共有 %3 天</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date: write it as YYYY-MM-DD, for example 2024-02-10.</source>
        <translation>「%1」不是日期：請寫成 YYYY-MM-DD，例如 2024-02-10。</translation>
    </message>
    <message>
        <source>%1 is outside the calendar, which runs from %2 to %3.</source>
        <translation>%1 超出曆法的範圍：曆法自 %2 至 %3。</translation>
    </message>
    <message>
        <source>%1 does not exist: %2.</source>
        <translation>%1 不存在：%2。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a time: write it as HH:MM, from 00:00 to 23:59.</source>
        <translation>「%1」不是時間：請寫成 HH:MM，從 00:00 到 23:59。</translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>Disclaimer</source>
        <translation>免責聲明</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Inner Trigram</source>
        <translation>內卦</translation>
    </message>
    <message>
        <source>Outer Trigram</source>
        <translation>外卦</translation>
    </message>
    <message>
        <source>Change Line</source>
        <translation>動爻</translation>
    </message>
    <message>
        <source>General Query</source>
        <translation>隨機起卦</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>起卦</translation>
    </message>
    <message>
        <source>Target Time Query</source>
        <translation>公曆日期起卦</translation>
    </message>
    <message>
        <source>Original Hexagram</source>
        <translation>本卦</translation>
    </message>
    <message>
        <source>Final Hexagram</source>
        <translation>變卦</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>檢視日誌</translation>
    </message>
    <message>
        <source>Delete Log</source>
        <translation>刪除日誌</translation>
    </message>
    <message>
        <source>View Text</source>
        <translation>檢視卦爻辭</translation>
    </message>
    <message>
        <source>Manage Text</source>
        <translation>管理卦爻辭</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Enter your question below:</source>
        <translation>請在下方輸入您的問題：</translation>
    </message>
    <message>
        <source>Update Text</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Restore Text</source>
        <translation>還原原文</translation>
    </message>
    <message>
        <source>Restore All Text</source>
        <translation>全部還原原文</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Hexagram:</source>
        <translation>卦：</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>標題：</translation>
    </message>
    <message>
        <source>Main Text:</source>
        <translation>卦辭：</translation>
    </message>
    <message>
        <source>Line 1:</source>
        <translation>初爻：</translation>
    </message>
    <message>
        <source>Line 2:</source>
        <translation>二爻：</translation>
    </message>
    <message>
        <source>Line 3:</source>
        <translation>三爻：</translation>
    </message>
    <message>
        <source>Line 4:</source>
        <translation>四爻：</translation>
    </message>
    <message>
        <source>Line 5:</source>
        <translation>五爻：</translation>
    </message>
    <message>
        <source>Line 6:</source>
        <translation>上爻：</translation>
    </message>
    <message>
        <source>Cast...</source>
        <translation>起卦...</translation>
    </message>
    <message>
        <source>Date (YYYY-MM-DD):</source>
        <translation>日期 (YYYY-MM-DD)：</translation>
    </message>
    <message>
        <source>Time (HH:MM):</source>
        <translation>時間 (HH:MM)：</translation>
    </message>
    <message>
        <source>Lunar Date and Hour</source>
        <translation>農曆日期與時辰</translation>
    </message>
    <message>
        <source>About Zandrel</source>
        <translation>關於 Zandrel</translation>
    </message>
    <message>
        <source>Zandrel</source>
        <translation>Zandrel</translation>
    </message>
    <message>
        <source>Query Auvrel</source>
        <translation>向 Auvrel 提問</translation>
    </message>
    <message>
        <source>Auvrel Log</source>
        <translation>Auvrel 日誌</translation>
    </message>
    <message>
        <source>Hexagram Text</source>
        <translation>卦爻辭</translation>
    </message>
    <message>
        <source>Manage Custom Hexagram Text</source>
        <translation>管理自訂卦爻辭</translation>
    </message>
    <message>
        <source>Traditional Time Query</source>
        <translation>年月日時起卦</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>起卦方式：</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>輸入：</translation>
    </message>
    <message>
        <source>Strokes given:</source>
        <translation>自訂筆畫：</translation>
    </message>
    <message>
        <source>Strokes counted:</source>
        <translation>筆畫計法：</translation>
    </message>
    <message>
        <source>Rule:</source>
        <translation>規則：</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>算式</translation>
    </message>
    <message>
        <source>Cast from Counts</source>
        <translation>數字·文字·卦象起卦</translation>
    </message>
    <message>
        <source>Zandrel is for reflection on a question and for the study of the classical method of casting hexagrams.</source>
        <translation>Zandrel 供人就所問之事自省，並研習傳統的起卦方法。</translation>
    </message>
    <message>
        <source>It gives no advice, medical, legal or financial, and its readings are not predictions to rely on.</source>
        <translation>不提供醫療、法律或財務建議；其解讀並非可依賴的預測。</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>自由軟體，依 GNU GPL 第 3 版或更新版本授權。</translation>
    </message>
    <message>
        <source>Year begins:</source>
        <translation>歲首：</translation>
    </message>
    <message>
        <source>Hour 23–24:</source>
        <translation>23–24 時：</translation>
    </message>
    <message>
        <source>Earth rules:</source>
        <translation>土旺：</translation>
    </message>
    <message>
        <source>Longitude (east):</source>
        <translation>經度（東經）：</translation>
    </message>
    <message>
        <source>empty: clock time</source>
        <translation>留空：鐘錶時間</translation>
    </message>
    <message>
        <source>Reading Details</source>
        <translation>斷卦詳情</translation>
    </message>
    <message>
        <source>Show in Main Window</source>
        <translation>在主視窗顯示</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>刪除...</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>搜尋：</translation>
    </message>
    <message>
        <source>Verdict:</source>
        <translation>應驗：</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>標籤：</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>從：</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>至：</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Reading as it was shown:</source>
        <translation>當時顯示的卦辭：</translation>
    </message>
    <message>
        <source>Inputs and conventions:</source>
        <translation>輸入與約定：</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>所問之人：</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>標籤：</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>筆記：</translation>
    </message>
    <message>
        <source>Outcome date:</source>
        <translation>結果日期：</translation>
    </message>
    <message>
        <source>What happened:</source>
        <translation>實際情況：</translation>
    </message>
    <message>
        <source>Case Book</source>
        <translation>占例簿</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>No error occurred.</source>
        <translation>沒有發生錯誤。</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>存取 %1 時發生未知錯誤。</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>找不到 %1。</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 含有無效的路徑。</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>開啟的檔案過多，無法開啟 %1。</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>拒絕存取 %1。</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>%1 關聯了無效的檔案控制代碼。</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 是目前的目錄，無法刪除。</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>目錄已滿，無法建立 %1。</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>在 %1 中定位失敗</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>存取 %1 時回報了硬體 I/O 錯誤。</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>存取 %1 時發生共用衝突。</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>存取 %1 時發生鎖定衝突。</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>存取 %1 時磁碟已滿。</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>試圖越過 %1 的結尾進行存取。</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguageWords</name>
    <message>
        <source>unknown language &apos;%1&apos;: give %2</source>
        <extracomment>The language named on the command line, then the codes of those the program speaks</extracomment>
        <translation>未知語言「%1」：請給出 %2</translation>
    </message>
</context>
<context>
    <name>LogWords</name>
    <message>
        <source>[Your query on %1]</source>
        <translation>【提問於 %1】</translation>
    </message>
    <message>
        <source>[Auvrel&apos;s reply]</source>
        <translation>【Auvrel 的回覆】</translation>
    </message>
    <message>
        <source>dddd, MMMM dd, yyyy HH:mm:ss</source>
        <extracomment>The time of a log entry as a QDateTime format: &quot;Friday, December 11, 2026 06:15:00&quot;</extracomment>
        <translation>yyyy年M月d日 dddd HH:mm:ss</translation>
    </message>
</context>
<context>
    <name>LunarWords</name>
    <message>
        <source>Year of the %1</source>
        <translation>生肖屬%1</translation>
    </message>
    <message>
        <source>%1–%2 h</source>
        <extracomment>The clock hours of a two-hour period, on the 24-hour clock: &quot;23–1&quot;</extracomment>
        <translation>%1–%2 點</translation>
    </message>
    <message>
        <source>Year of the %1; hour %2: %3</source>
        <extracomment>The year&apos;s animal, then the hour by its earthly branch and its clock hours</extracomment>
        <translation>生肖屬%1；%2時：%3</translation>
    </message>
    <message>
        <source>%1AM</source>
        <extracomment>An hour before noon on the 12-hour clock: &quot;11AM&quot;</extracomment>
        <translation>上午%1點</translation>
    </message>
    <message>
        <source>%1PM</source>
        <extracomment>An hour from noon on the 12-hour clock: &quot;1PM&quot;</extracomment>
        <translation>下午%1點</translation>
    </message>
    <message>
        <source>Year %1 (%2), leap month %3, day %4, hour %5 (%6)</source>
        <extracomment>A lunar date in a leap month and its hour: the year&apos;s stem and branch, its animal, the number of the month, the day of the month, the hour&apos;s earthly branch and its clock hours</extracomment>
        <translation>%1年（生肖屬%2），閏%3月%4日，%5時（%6）</translation>
    </message>
    <message>
        <source>Year %1 (%2), month %3, day %4, hour %5 (%6)</source>
        <extracomment>A lunar date and its hour: the year&apos;s stem and branch, its animal, the number of the month, the day of the month, the hour&apos;s earthly branch and its clock hours</extracomment>
        <translation>%1年（生肖屬%2），%3月%4日，%5時（%6）</translation>
    </message>
    <message>
        <source>Year %1 (%2), leap month %3, day %4</source>
        <extracomment>A lunar date in a leap month: the year&apos;s stem and branch, its animal, the number of the month and the day of the month</extracomment>
        <translation>%1年（生肖屬%2），閏%3月%4日</translation>
    </message>
    <message>
        <source>Year %1 (%2), month %3, day %4</source>
        <extracomment>A lunar date: the year&apos;s stem and branch, its animal, the number of the month and the day of the month</extracomment>
        <translation>%1年（生肖屬%2），%3月%4日</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>The clock hours of a two-hour period, from its first hour to its last: &quot;11PM–1AM&quot;</extracomment>
        <translation>%1至%2</translation>
    </message>
</context>
<context>
    <name>ReadingDetails</name>
    <message>
        <source>Year %1, month %2, day %3, hour %4</source>
        <extracomment>The four pillars of a moment, each a heavenly stem and an earthly branch: &quot;Year 癸卯, month 乙卯, day 己卯, hour 庚午&quot;</extracomment>
        <translation>%1年 %2月 %3日 %4時</translation>
    </message>
    <message>
        <source>%1, from %2; next: %3, %4</source>
        <extracomment>The solar term in force, the moment it began, and the next term with its moment: &quot;Spring Equinox (春分), from 2023-03-21 05:24; next: Pure Brightness (清明), 2023-04-05 09:13&quot;</extracomment>
        <translation>%1，始於 %2；下一節氣：%3，%4</translation>
    </message>
    <message>
        <source>The moment</source>
        <extracomment>The heading of the moment of a reading, its four pillars and its solar term</extracomment>
        <translation>起卦時間</translation>
    </message>
    <message>
        <source>%1 (when cast)</source>
        <extracomment>The moment of a reading when it is the moment the cast was made: &quot;2024-02-10 12:00 (when cast)&quot;</extracomment>
        <translation>%1（起卦之時）</translation>
    </message>
    <message>
        <source>Date and time</source>
        <extracomment>The date and time a reading&apos;s pillars are counted from</extracomment>
        <translation>日期時間</translation>
    </message>
    <message>
        <source>Four pillars</source>
        <translation>四柱</translation>
    </message>
    <message>
        <source>outside the calendar (1998 to 2099)</source>
        <extracomment>The moment lies outside the years the calendar covers</extracomment>
        <translation>不在曆法範圍內（1998 至 2099 年）</translation>
    </message>
    <message>
        <source>True solar time</source>
        <translation>真太陽時</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The local apparent solar time of a reading and its difference from the clock in minutes and seconds: &quot;11:45 (-14:15)&quot;</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Solar term</source>
        <translation>節氣</translation>
    </message>
    <message>
        <source>Strength in the season</source>
        <extracomment>The heading of the strength of each trigram&apos;s element in the season</extracomment>
        <translation>月令旺衰</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>月令</translation>
    </message>
    <message>
        <source>%1 (month %2, the days before a season&apos;s start)</source>
        <translation>%1（%2月，土旺用事）</translation>
    </message>
    <message>
        <source>%1 (month %2)</source>
        <translation>%1（%2月）</translation>
    </message>
    <message>
        <source>%1, %2 (body)</source>
        <translation>%1，%2（體）</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>Body and use at each stage</source>
        <extracomment>The heading of how use stands to the body in the original, nuclear and final hexagrams</extracomment>
        <translation>體用生剋</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <extracomment>A trigram with its element and how it stands to the body: &quot;5 Wood: use controls body&quot;</extracomment>
        <translation>%1 %2：%3</translation>
    </message>
    <message>
        <source>Related hexagrams</source>
        <extracomment>The heading of the nuclear, opposite and reversed hexagrams</extracomment>
        <translation>互卦、錯卦、綜卦</translation>
    </message>
    <message>
        <source>Timing</source>
        <extracomment>The heading of the conditions of timing</extracomment>
        <translation>應期</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>The numbers of the body and use trigrams in the earlier-heaven order: &quot;body 1, use 8&quot;</extracomment>
        <translation>卦數</translation>
    </message>
    <message>
        <source>body %1, use %2</source>
        <translation>體卦 %1，用卦 %2</translation>
    </message>
    <message>
        <source>Feeds the body</source>
        <extracomment>The element that feeds the body and the branches of the months and days it rules: &quot;Earth, in the months and days 丑辰未戌&quot;</extracomment>
        <translation>生體之行</translation>
    </message>
    <message>
        <source>%1, in the months and days %2</source>
        <translation>%1，應於 %2 之月日</translation>
    </message>
    <message>
        <source>Conventions</source>
        <extracomment>The heading of the conventions a reading&apos;s details follow</extracomment>
        <translation>取法</translation>
    </message>
    <message>
        <source>The year begins</source>
        <translation>歲首</translation>
    </message>
    <message>
        <source>at the lunar New Year</source>
        <translation>正月初一</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>23:00 to 24:00</source>
        <extracomment>The day to which the hour 23:00 to 24:00 belongs</extracomment>
        <translation>晚子時（23–24 點）</translation>
    </message>
    <message>
        <source>the same day</source>
        <translation>算當日</translation>
    </message>
    <message>
        <source>the next day</source>
        <translation>算次日</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間基準</translation>
    </message>
    <message>
        <source>true solar time at %1°</source>
        <translation>真太陽時，東經 %1°</translation>
    </message>
    <message>
        <source>the clock, as Beijing time</source>
        <translation>時鐘時間，作北京時間</translation>
    </message>
    <message>
        <source>Earth rules</source>
        <translation>土旺</translation>
    </message>
    <message>
        <source>the months %1</source>
        <translation>%1 四月</translation>
    </message>
    <message>
        <source>the 18 days before each season&apos;s start</source>
        <translation>四立前十八日</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The heading of what a trigram stands for: &quot;Body: 1 Heaven&quot;
----------
A line of a reading&apos;s details: its label and its value</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two trigrams of a stage, one after the other: &quot;2 Metal: use controls body; 5 Wood: same element&quot;</extracomment>
        <translation>%1；%2</translation>
    </message>
</context>
<context>
    <name>ReadingLabels</name>
    <message>
        <source>The body: the element the others are judged against</source>
        <translation>體：其餘各卦與之論生克</translation>
    </message>
    <message>
        <source>%1: favourable</source>
        <translation>%1：有利</translation>
    </message>
    <message>
        <source>%1: unfavourable</source>
        <translation>%1：不利</translation>
    </message>
</context>
<context>
    <name>Trigrams</name>
    <message>
        <source>Heaven</source>
        <translation>乾</translation>
    </message>
    <message>
        <source>Lake</source>
        <translation>兌</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>離</translation>
    </message>
    <message>
        <source>Thunder</source>
        <translation>震</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>巽</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>坎</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>艮</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>坤</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>Outer trigram</source>
        <translation>外卦</translation>
    </message>
    <message>
        <source>Inner trigram</source>
        <translation>內卦</translation>
    </message>
    <message>
        <source>Original outer trigram</source>
        <translation>本卦外卦</translation>
    </message>
    <message>
        <source>Original inner trigram</source>
        <translation>本卦內卦</translation>
    </message>
    <message>
        <source>Upper nuclear trigram</source>
        <translation>互卦上卦</translation>
    </message>
    <message>
        <source>Lower nuclear trigram</source>
        <translation>互卦下卦</translation>
    </message>
    <message>
        <source>Final outer trigram</source>
        <translation>變卦外卦</translation>
    </message>
    <message>
        <source>Final inner trigram</source>
        <translation>變卦內卦</translation>
    </message>
    <message>
        <source>Rat</source>
        <extracomment>The animal of a year&apos;s earthly branch</extracomment>
        <translation>鼠</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>牛</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>虎</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>兔</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>龍</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>蛇</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>馬</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>羊</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>猴</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>雞</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>狗</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>豬</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>The entries of the month list of the target time query</extracomment>
        <translation>一月</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>四月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>五月</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>八月</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>十二月</translation>
    </message>
    <message>
        <source>11PM - 1AM</source>
        <translation>子時 (23–1)</translation>
    </message>
    <message>
        <source>1AM - 3AM</source>
        <translation>丑時 (1–3)</translation>
    </message>
    <message>
        <source>3AM - 5AM</source>
        <translation>寅時 (3–5)</translation>
    </message>
    <message>
        <source>5AM - 7AM</source>
        <translation>卯時 (5–7)</translation>
    </message>
    <message>
        <source>7AM - 9AM</source>
        <translation>辰時 (7–9)</translation>
    </message>
    <message>
        <source>9AM - 11AM</source>
        <translation>巳時 (9–11)</translation>
    </message>
    <message>
        <source>11AM - 1PM</source>
        <translation>午時 (11–13)</translation>
    </message>
    <message>
        <source>1PM - 3-PM</source>
        <translation>未時 (13–15)</translation>
    </message>
    <message>
        <source>3PM - 5PM</source>
        <translation>申時 (15–17)</translation>
    </message>
    <message>
        <source>5PM - 7PM</source>
        <translation>酉時 (17–19)</translation>
    </message>
    <message>
        <source>7PM - 9PM</source>
        <translation>戌時 (19–21)</translation>
    </message>
    <message>
        <source>9PM - 11PM</source>
        <translation>亥時 (21–23)</translation>
    </message>
    <message>
        <source>January</source>
        <translation>一月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>四月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>八月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>十二月</translation>
    </message>
</context>
<context>
    <name>zandrel::CAboutDlg</name>
    <message>
        <source>Zandrel Version %1</source>
        <translation>Zandrel 版本 %1</translation>
    </message>
</context>
<context>
    <name>zandrel::CCaseBookDlg</name>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Words in the question, the notes or the tags</source>
        <translation>問題、筆記或標籤中的詞語</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>方法</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>應驗</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>Cast from</source>
        <translation>起卦日期自</translation>
    </message>
    <message>
        <source>Cast until</source>
        <translation>起卦日期至</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>占例</translation>
    </message>
    <message>
        <source>Reading as it was shown</source>
        <translation>當時顯示的卦辭</translation>
    </message>
    <message>
        <source>Inputs and conventions</source>
        <translation>輸入與約定</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>所問之人</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>Separated by commas</source>
        <translation>以逗號分隔</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>筆記</translation>
    </message>
    <message>
        <source>Outcome date</source>
        <translation>結果日期</translation>
    </message>
    <message>
        <source>Verdict of the record</source>
        <translation>此占例的應驗</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>實際情況</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Records shown</source>
        <translation>顯示的占例</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>Hexagrams</source>
        <translation>卦</translation>
    </message>
    <message>
        <source>%1, %2, hexagram %3 to %4, %5</source>
        <extracomment>How a screen reader names a record of the list: %1 the moment of the cast, %2 the question, %3 and %4 the original and final hexagram, %5 the verdict</extracomment>
        <translation>%1，%2，第%3卦變第%4卦，%5</translation>
    </message>
    <message>
        <source>All methods</source>
        <translation>全部方法</translation>
    </message>
    <message>
        <source>All verdicts</source>
        <translation>全部應驗</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>共%1筆</translation>
    </message>
    <message>
        <source>%1 of %2 records</source>
        <translation>%2筆中的%1筆</translation>
    </message>
    <message>
        <source>Dates are written YYYY-MM-DD.</source>
        <translation>日期格式為 YYYY-MM-DD。</translation>
    </message>
    <message>
        <source>Delete the record of “%1”? This cannot be undone.</source>
        <translation>刪除「%1」的占例？此操作無法復原。</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>刪除占例</translation>
    </message>
    <message>
        <source>%1 or more of %2 records</source>
        <extracomment>While the records that pass the filters are being counted</extracomment>
        <translation>%2筆中的至少%1筆</translation>
    </message>
    <message>
        <source>%1 or more records</source>
        <translation>至少%1筆</translation>
    </message>
    <message>
        <source>While you were writing in the record of “%1”, it was changed elsewhere (on the command line or in another copy of the program).</source>
        <translation>您在編輯「%1」這筆占例時，它已在別處（命令列或另一個正在執行的本程式）被修改。</translation>
    </message>
    <message>
        <source>%1, yours:</source>
        <extracomment>%1 the name of a part of the record: Person, Tags, Notes or Outcome</extracomment>
        <translation>%1（您寫的）：</translation>
    </message>
    <message>
        <source>%1, now in the case book:</source>
        <extracomment>%1 the name of a part of the record: Person, Tags, Notes or Outcome</extracomment>
        <translation>%1（占例簿中現有的）：</translation>
    </message>
    <message>
        <source>Keep yours, replacing what is now in the case book? The text you do not keep is copied to the clipboard.</source>
        <translation>保留您寫的內容，取代占例簿中現有的嗎？未保留的那一份會複製到剪貼簿。</translation>
    </message>
    <message>
        <source>Changed Elsewhere</source>
        <translation>已在別處修改</translation>
    </message>
    <message>
        <source>The record of “%1” was deleted elsewhere, so what you wrote in it could not be saved:</source>
        <translation>「%1」這筆占例已在別處被刪除，您寫入的內容無法儲存：</translation>
    </message>
    <message>
        <source>Copy what you wrote to the clipboard?</source>
        <translation>把您寫的內容複製到剪貼簿嗎？</translation>
    </message>
    <message>
        <source>Record Deleted</source>
        <translation>占例已刪除</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>Before the text of one part of a record: %1 its name (Person, Tags, Notes...)</extracomment>
        <translation>%1：</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>The verdict, the date and what happened of a record, as one</extracomment>
        <translation>結果</translation>
    </message>
</context>
<context>
    <name>zandrel::CCountCastDlg</name>
    <message>
        <source>Numbers</source>
        <translation>數字</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Trigrams</source>
        <translation>卦象</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>算式</translation>
    </message>
</context>
<context>
    <name>zandrel::CDialog</name>
    <message>
        <source>&amp;Restore</source>
        <translation>還原(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>移動(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>大小(&amp;S)</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>關閉(&amp;C)	Alt+F4</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>請輸入不超過 %1 個字元。</translation>
    </message>
</context>
<context>
    <name>zandrel::CHexTextDlg</name>
    <message>
        <source>Hexagram text</source>
        <translation>卦爻辭</translation>
    </message>
    <message>
        <source>Hexagram %1, %2</source>
        <extracomment>A hexagram button&apos;s accessible name: its number, then its title</extracomment>
        <translation>第 %1 卦，%2</translation>
    </message>
</context>
<context>
    <name>zandrel::CLogDlg</name>
    <message>
        <source>Query log</source>
        <translation>占問日誌</translation>
    </message>
    <message>
        <source>[Older entries are in %1]</source>
        <translation>[更早的記錄在 %1]</translation>
    </message>
</context>
<context>
    <name>zandrel::CMainDlg</name>
    <message>
        <source>&amp;Traditional Time Query...	Ctrl+T</source>
        <translation>年月日時起卦(&amp;T)...	Ctrl+T</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>關於(&amp;A)...</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Two-hour period</source>
        <translation>時辰</translation>
    </message>
    <message>
        <source>Reading text</source>
        <translation>本次卦辭</translation>
    </message>
    <message>
        <source>Do you really want to delete the log file?</source>
        <translation>確定要刪除日誌檔案嗎？</translation>
    </message>
    <message>
        <source>Reset Log</source>
        <translation>刪除日誌</translation>
    </message>
    <message>
        <source>Cast from &amp;Counts...	Ctrl+K</source>
        <translation>數字·文字·卦象起卦(&amp;C)...	Ctrl+K</translation>
    </message>
    <message>
        <source>Reading &amp;Details...	Ctrl+D</source>
        <translation>斷卦詳情(&amp;D)...	Ctrl+D</translation>
    </message>
    <message>
        <source>Case &amp;Book...	Ctrl+B</source>
        <translation>占例簿(&amp;B)...	Ctrl+B</translation>
    </message>
</context>
<context>
    <name>zandrel::CManageTextDlg</name>
    <message>
        <source>Text updated.</source>
        <translation>已儲存。</translation>
    </message>
    <message>
        <source>Update Text</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Default text restored.</source>
        <translation>已還原原文。</translation>
    </message>
    <message>
        <source>Restore Text</source>
        <translation>還原原文</translation>
    </message>
    <message>
        <source>Do you really want to remove all custom text and reset to default text?</source>
        <translation>確定要移除所有自訂卦爻辭並還原原文嗎？</translation>
    </message>
    <message>
        <source>Restore All Text</source>
        <translation>全部還原原文</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The texts of a custom hexagram text, named in the message that one is too long</extracomment>
        <translation>標題</translation>
    </message>
    <message>
        <source>Main Text</source>
        <translation>卦辭</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>初爻</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>二爻</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>三爻</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>四爻</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>五爻</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>上爻</translation>
    </message>
    <message>
        <source>%1 is too long to be stored: it takes %2 bytes, and a text may take at most %3 (a plain letter takes 1 byte, most other characters 2 to 4). Nothing was updated.</source>
        <translation>%1太長，無法儲存：它佔 %2 位元組，而一段文字最多只能佔 %3 位元組（一個英文字母佔 1 位元組，其他大多數字元佔 2 到 4 位元組）。未儲存。</translation>
    </message>
</context>
<context>
    <name>zandrel::CReadingDetailsDlg</name>
    <message>
        <source>Reading details</source>
        <translation>斷卦詳情</translation>
    </message>
    <message>
        <source>The settings could not be written to %1. The details follow the conventions chosen until Zandrel is closed.</source>
        <translation>無法將設定寫入 %1。在關閉 Zandrel 之前，詳情仍依所選的規則顯示。</translation>
    </message>
    <message>
        <source>No reading yet. Cast one in the main window and its details show here.</source>
        <translation>尚未起卦。在主視窗起卦後，詳情會顯示在這裡。</translation>
    </message>
</context>
<context>
    <name>zandrel::CTraditionalDlg</name>
    <message>
        <source>Lunar date and hour</source>
        <translation>農曆日期與時辰</translation>
    </message>
</context>
</TS>
