// Splits, counts, cuts and converts the line breaks of the game's multi-line texts.
#include "storage/MemoText.h"

void TrimLineEnds(QString& S) {
    qsizetype n = S.size();
    while (n > 0) {
        const QChar c = S[n - 1];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n') && c != QLatin1Char(' ')) break;
        --n;
    }
    S.truncate(n);
}

QString ReplaceLineBreaks(const QString& S, const QString& With) {
    QString s = S;
    s.replace(QLatin1String("\r\n"), With);
    s.replace(QLatin1Char('\r'), With);
    s.replace(QLatin1Char('\n'), With);
    return s;
}

QStringList SplitTextLines(const QString& S) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < S.size(); ++i) {
        const QChar c = S[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        lines << S.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < S.size() && S[i + 1] == QLatin1Char('\n')) ++i;
        start = i + 1;
    }
    if (start < S.size()) lines << S.mid(start);
    return lines;
}

int TextLineCount(const QString& S) {
    return int(SplitTextLines(S).size());
}

QString CutToLimit(const QString& S, int Limit) {
    if (S.size() <= Limit) return S;
    int n = Limit;
    if (n > 0 && S[n - 1].isHighSurrogate() && S[n].isLowSurrogate()) --n;
    return S.left(n);
}

QString TextToMemo(const QString& S) {
    return ReplaceLineBreaks(S, QStringLiteral("\n"));
}

QString MemoToText(const QString& Memo) {
    QString t = Memo;
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return t;
}

QString CutMemoText(const QString& S, int Limit) {
    QString t = CutToLimit(S, Limit);
    if (t.size() < S.size() && t.endsWith(QLatin1Char('\r'))) t.chop(1);
    return t;
}
