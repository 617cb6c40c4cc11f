// The command-line tool picks the decimal separator from the locale's name
// with a table of its own; the program takes it from the framework's locale
// data. Both must write the same numbers under every locale.
#include <QLocale>
#include <QSet>
#include <QtTest>

#include "base/NumberText.h"
#include "controls/UiString.h"

namespace {

char FrameworkSeparator(const QString& name)
{
    return QLocale(name).decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

} // namespace

class TestLocaleSeparator : public QObject {
    Q_OBJECT
private slots:
    void tableAgreesWithEveryLocaleTheFrameworkKnows()
    {
        const QList<QLocale> all =
            QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        QVERIFY(all.size() > 300);
        QSet<QString> names;
        for (const QLocale& locale : all) {
            const QString name = locale.name();
            names.insert(name);
            names.insert(name.section(QLatin1Char('_'), 0, 0));
        }
        int commas = 0;
        for (const QString& name : names) {
            const char expected = FrameworkSeparator(name);
            commas += expected == ',';
            for (const QString& written : {name, name + QStringLiteral(".UTF-8"), name + QStringLiteral("@euro")}) {
                const char actual = SeparatorForLocaleName(written.toStdString());
                if (actual != expected)
                    QFAIL(qPrintable(QStringLiteral("%1: table '%2', framework '%3'")
                                         .arg(written, QChar(actual), QChar(expected))));
            }
        }
        // Both marks occur; a table that always answered one would not pass.
        QVERIFY(commas > 100);
        QVERIFY(names.size() - commas > 100);
    }

    void legacyCodesAndScriptsAgree()
    {
        for (const char* name : {"no_NO", "in_ID", "iw_IL", "mo_MD", "sh_RS", "tl_PH", "ji_US", "sr_RS@latin",
                                 "uz_UZ@cyrillic", "ks_IN@devanagari", "sr_Latn_RS", "de_US", "en_DE", "es_419",
                                 "C", "POSIX", "C.UTF-8"}) {
            QCOMPARE(SeparatorForLocaleName(name), FrameworkSeparator(QString::fromLatin1(name)));
        }
    }

    void programAndToolAgreeUnderThisEnvironment()
    {
        // Run under LC_ALL=C and under a Polish LC_ALL.
        QCOMPARE(SystemDecimalSeparator(), SeparatorFromEnvironment());
        const QByteArray all = qgetenv("LC_ALL");
        if (all.startsWith("pl"))
            QCOMPARE(SystemDecimalSeparator(), ',');
        if (all == "C")
            QCOMPARE(SystemDecimalSeparator(), '.');
    }
};

QTEST_GUILESS_MAIN(TestLocaleSeparator)
#include "tst_locale_separator.moc"
