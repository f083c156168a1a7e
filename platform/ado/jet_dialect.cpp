#include "jet_dialect.h"

#include "jet_text.h"
#include "sqlite_error.h"

#include <vector>

namespace platform::ado::detail {

namespace {

enum class Kind { Blank, Word, Text, DoubleQuoted, BackQuoted, Bracketed, Symbol };

struct Token {
    Kind kind;
    QString text;     // as written
    QString content;  // inside the quotes, for quoted tokens
};

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == '_' || c == '$';
}

// Reads a token quoted with `close`, where a doubled `close` stands for itself.
int quotedEnd(const QString& sql, int start, QChar close, QString& content)
{
    int i = start + 1;
    while (i < sql.size()) {
        if (sql[i] == close) {
            if (i + 1 < sql.size() && sql[i + 1] == close && close != ']') {
                content += close;
                i += 2;
                continue;
            }
            return i + 1;
        }
        content += sql[i++];
    }
    return -1;
}

std::vector<Token> tokenize(const QString& sql)
{
    std::vector<Token> tokens;
    int i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        int start = i;
        if (c.isSpace()) {
            while (i < sql.size() && sql[i].isSpace())
                ++i;
            tokens.push_back({Kind::Blank, sql.mid(start, i - start), {}});
        } else if (isWordChar(c)) {
            while (i < sql.size() && isWordChar(sql[i]))
                ++i;
            tokens.push_back({Kind::Word, sql.mid(start, i - start), {}});
        } else if (c == '\'' || c == '"' || c == '`' || c == '[') {
            const QChar close = c == '[' ? QChar(']') : c;
            QString content;
            i = quotedEnd(sql, start, close, content);
            if (i < 0) {
                raise(c == '\'' || c == '"'
                          ? "Istruzione SQL non valida: un testo tra virgolette non è chiuso.\n" + sql
                          : "Istruzione SQL non valida: un nome tra delimitatori non è chiuso.\n" + sql);
            }
            Kind kind = c == '\'' ? Kind::Text : c == '"' ? Kind::DoubleQuoted
                                             : c == '`' ? Kind::BackQuoted
                                                        : Kind::Bracketed;
            tokens.push_back({kind, sql.mid(start, i - start), content});
        } else {
            ++i;
            tokens.push_back({Kind::Symbol, QString(c), {}});
        }
    }
    return tokens;
}

// Index of the next token that is not blank, or tokens.size().
std::size_t nextSignificant(const std::vector<Token>& tokens, std::size_t i)
{
    while (i < tokens.size() && tokens[i].kind == Kind::Blank)
        ++i;
    return i;
}

bool isWord(const std::vector<Token>& tokens, std::size_t i, const char* word)
{
    return i < tokens.size() && tokens[i].kind == Kind::Word &&
           tokens[i].text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool isSymbol(const std::vector<Token>& tokens, std::size_t i, char symbol)
{
    return i < tokens.size() && tokens[i].kind == Kind::Symbol && tokens[i].text == QChar(symbol);
}

QString quotedLiteral(const QString& content)
{
    QString escaped = content;
    escaped.replace('\'', "''");
    return '\'' + escaped + '\'';
}

QString quotedIdentifier(const QString& content)
{
    QString escaped = content;
    escaped.replace('"', "\"\"");
    return '"' + escaped + '"';
}

// Blanks out the tokens of "*" or "Table.*" between DELETE and FROM.
void dropDeleteStar(std::vector<Token>& tokens, std::size_t deleteIndex)
{
    std::size_t i = nextSignificant(tokens, deleteIndex + 1);
    std::vector<std::size_t> doomed;
    if (isSymbol(tokens, i, '*')) {
        doomed.push_back(i);
    } else if (i < tokens.size() && (tokens[i].kind == Kind::Word || tokens[i].kind == Kind::BackQuoted ||
                                      tokens[i].kind == Kind::Bracketed)) {
        std::size_t dot = nextSignificant(tokens, i + 1);
        std::size_t star = nextSignificant(tokens, dot + 1);
        if (!isSymbol(tokens, dot, '.') || !isSymbol(tokens, star, '*'))
            return;
        doomed = {i, dot, star};
    } else {
        return;
    }
    std::size_t from = nextSignificant(tokens, doomed.back() + 1);
    if (!isWord(tokens, from, "from"))
        return;
    for (std::size_t k = doomed.front(); k < from; ++k)
        tokens[k] = {Kind::Blank, QString(), {}};
    if (tokens[doomed.front() - 1].kind != Kind::Blank)
        tokens[doomed.front()].text = " ";
}

}  // namespace

QString translateJetSql(const QString& jetSql)
{
    std::vector<Token> tokens = tokenize(jetSql);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (isWord(tokens, i, "delete"))
            dropDeleteStar(tokens, i);
    }

    QString out;
    out.reserve(jetSql.size() + 32);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        switch (t.kind) {
        case Kind::Word: {
            std::size_t previous = i;
            while (previous > 0 && tokens[previous - 1].kind == Kind::Blank)
                --previous;
            bool afterDot = previous > 0 && isSymbol(tokens, previous - 1, '.');
            if (!afterDot && t.text.compare(QLatin1String("left"), Qt::CaseInsensitive) == 0 &&
                isSymbol(tokens, nextSignificant(tokens, i + 1), '('))
                out += QLatin1String(JetLeftFunction);
            else
                out += t.text;
            break;
        }
        case Kind::Text:
        case Kind::DoubleQuoted: {
            out += t.kind == Kind::Text ? t.text : quotedLiteral(t.content);
            if (!isWord(tokens, nextSignificant(tokens, i + 1), "collate"))
                out += QLatin1String(" COLLATE ") + QLatin1String(JetCollation);
            break;
        }
        case Kind::BackQuoted:
        case Kind::Bracketed: out += quotedIdentifier(t.content); break;
        case Kind::Blank:
        case Kind::Symbol: out += t.text; break;
        }
    }
    return out;
}

}  // namespace platform::ado::detail
