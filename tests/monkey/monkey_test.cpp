// The monkey: through the real main window it opens every entry of every
// catalogue page (and every tool of the mortgage chooser), types generated
// texts of every kind into the fields of a random section, presses that
// section's "OK" and answers every message box. After each press the form
// must still be up, no field outside the pressed section's results may have
// changed, the messages must be exactly one per bad field, and every result
// must read "NaN" or a fixed-notation number with the section's decimals.
//
// Environment:
//   ORVANTA_MONKEY_SEED       seed of the generated texts (printed on failure)
//   ORVANTA_MONKEY_PRESSES    presses per section (default 60)
//   ORVANTA_MONKEY_DIGEST_OUT file to write a digest of every result text to
//   ORVANTA_MONKEY_DIGEST_IN  file holding the digest this run must reproduce
//   ORVANTA_EXPECTED_LOCALE   LC_NUMERIC the run must be under

#include <gtest/gtest.h>
#include <locale.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <random>
#include <set>
#include <string>

#include "catalogue/catalogue.h"
#include "forms/form_description.h"
#include "fuzz/reference_grammar.h"
#include "shell/main_tab.h"
#include "shell/tab_ctrl.h"
#include "support/modal.h"
#include "ui/calculator_dialog.h"
#include "ui/window_registry.h"

namespace orvanta {
namespace {

using ui::CalculatorDialog;

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

// Texts a user may type or paste, weighted towards numbers so that most
// presses reach the formulas.
class TextSource {
public:
    explicit TextSource(std::uint64_t seed) : random_(seed) {}

    QString Next() {
        switch (Pick(24)) {
            case 0: return {};
            case 1: return QStringLiteral("-");
            case 2: return QStringLiteral("-0");
            case 3: return Digits(Range(2000, 10000));                  // beyond any double
            case 4: return "1" + QString(308, '0');                     // 1e308 scale
            case 5: return "17976931348623159" + QString(292, '0');     // just past the largest
            case 6: return "0." + QString(Range(300, 400), '0') + "1";  // subnormal or zero
            case 7: return Mangled(Decimal());
            case 8: return Pick(3) == 0 ? LongPaste() : Decimal();
            case 9: return Foreign();
            case 10: return "-" + Decimal();
            case 11: return Decimal().replace('.', ',');
            case 12: return Pick(2) ? " " + Decimal() : Decimal() + " ";
            default: return Pick(2) ? Digits(Range(1, 6)) : Decimal();
        }
    }

    // An ordinary figure of the field's kind, so that whole sections pass
    // and their formulas (and the windows they open) are reached often.
    QString Plausible(ValidationKind kind) {
        QString s = Digits(Range(1, 3));
        if (kind == ValidationKind::NaturalNumber) return s;
        if (Pick(2)) s += "." + Digits(Range(1, 2));
        if (kind == ValidationKind::SignedDecimal && Pick(4) == 0) s.prepend('-');
        return s;
    }

    std::uint64_t Pick(std::uint64_t n) { return random_() % n; }

private:
    int Range(int low, int high) { return low + static_cast<int>(Pick(high - low + 1)); }

    QString Digits(int n) {
        QString s;
        s.reserve(n);
        for (int i = 0; i < n; ++i) s += QChar(u'0' + static_cast<char16_t>(Pick(10)));
        return s;
    }

    // Integer and fraction parts of every size, from "0" to 20 + 20 digits.
    QString Decimal() {
        QString s = Digits(Range(1, Pick(4) == 0 ? 20 : 5));
        if (Pick(2)) s += "." + Digits(Range(1, Pick(4) == 0 ? 20 : 4));
        return s;
    }

    QString Mangled(QString s) {
        static const char16_t kUnits[] = {u'.', u'-', u'+', u'e', u'E', u',', u' ', u'\t', u'x'};
        const auto at = static_cast<qsizetype>(Pick(static_cast<std::uint64_t>(s.size()) + 1));
        s.insert(at, QChar(kUnits[Pick(std::size(kUnits))]));
        return s;
    }

    QString Foreign() {
        static const char16_t* const kTexts[] = {
            u"abc",
            u"1e5",
            u"NaN",
            u"inf",
            u"0x10",
            u"5\U0001F600",
            u"\U0001F4B0",
            u"\u0665\u0660",
            u"\uFF15",
            u"\u00B2",
            u"\u05D0\u05D1",
            u"\u200F12\u200E",
            u"\u0661\u066B\u0665",
            u"12\u00A0000",
            u"\u22125",
            u"1\u20445",
        };
        return QString::fromUtf16(kTexts[Pick(std::size(kTexts))]);
    }

    // What a careless paste from a spreadsheet or a document may bring.
    QString LongPaste() {
        if (Pick(2)) return Digits(100000);
        QString s;
        s.reserve(100000);
        static const char16_t kUnits[] = {u'1', u'2', u'.', u' ', u',', u'-', u'a', 0x0665};
        for (int i = 0; i < 100000; ++i) s += QChar(kUnits[Pick(std::size(kUnits))]);
        return s;
    }

    std::mt19937_64 random_;
};

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// The message a field text earns, worked out without the production checks;
// nothing when the field is good.
std::optional<std::pair<std::string_view, std::string_view>> ExpectedMessage(
    const InputField& input, const QString& text) {
    const std::u16string units(reinterpret_cast<const char16_t*>(text.utf16()),
                               static_cast<std::size_t>(text.size()));
    if (!reference::Accepts(input.kind, units)) return std::make_pair(input.caption, input.message);
    if (input.bound) {
        const double value = strtod_l(text.toLatin1().constData(), nullptr, CLocale());
        if (value > input.bound->maximum) {
            return std::make_pair(input.caption, input.bound->message);
        }
    }
    return std::nullopt;
}

bool IsPrintableAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
}

// Closes whatever window opens over the form while a press runs.
class WindowCloser {
public:
    explicit WindowCloser(QWidget* form) : form_(form) {
        timer_.setInterval(2);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == form_) return;
            opened.push_back(modal->objectName());
            modal->close();
        });
        timer_.start();
    }
    QStringList opened;

private:
    QWidget* form_;
    QTimer timer_;
};

class Monkey {
public:
    Monkey(std::uint64_t seed, int pressesPerSection)
        : seed_(seed), pressesPerSection_(pressesPerSection), texts_(seed) {}

    // Everything that opens from a catalogue entry, choosers recursively.
    void Exercise(QWidget* window, std::string_view expectedClass) {
        auto* form = qobject_cast<CalculatorDialog*>(window);
        if (!form) {
            ADD_FAILURE() << "not a form: " << window->objectName().toStdString();
            window->close();
            return;
        }
        EXPECT_EQ(form->objectName().toStdString(), expectedClass);
        covered.insert(form->objectName().toStdString());
        if (form->Description().IsChooser()) {
            ExerciseChooser(form);
        } else {
            ExerciseSections(form);
        }
        form->close();
    }

    std::set<std::string> covered;
    std::uint64_t presses = 0;
    std::uint64_t messages = 0;
    std::uint64_t windowsOpened = 0;
    std::uint64_t figures = 0;  // result fields that showed a number
    std::uint64_t digest = 1469598103934665603ull;

private:
    void Mix(const QString& text) {
        const QByteArray bytes = text.toUtf8();
        for (const char c : bytes) {
            digest ^= static_cast<unsigned char>(c);
            digest *= 1099511628211ull;
        }
        digest ^= 0xff;
        digest *= 1099511628211ull;
    }

    void ExerciseChooser(CalculatorDialog* chooser) {
        const FormDescription& d = chooser->Description();
        for (std::size_t c = 0; c < d.choices.size(); ++c) {
            chooser->ChoiceButton(c)->click();
            bool opened = false;
            testing::OnNextModal(
                [&](QWidget* tool) {
                    opened = true;
                    Exercise(tool, d.choices[c].opens);
                },
                chooser);
            chooser->OkButton(0)->click();
            EXPECT_TRUE(opened) << d.choices[c].opens;
        }
    }

    void SetField(QLineEdit* field, const QString& text) {
        if (text.size() > 1000) {
            // Long texts arrive by the clipboard, as they would.
            field->clear();
            QApplication::clipboard()->setText(text);
            field->paste();
        } else if (text.size() < 12 && IsPrintableAscii(text) && texts_.Pick(8) == 0) {
            // QTest types ASCII keys only.
            field->clear();
            QTest::keyClicks(field, text);
        } else {
            field->setText(text);
        }
    }

    void ExerciseSections(CalculatorDialog* form) {
        const FormDescription& d = form->Description();
        const std::size_t sections = d.sections.size();
        const QList<QLineEdit*> all = form->findChildren<QLineEdit*>();
        for (std::size_t n = 0; n < sections * static_cast<std::size_t>(pressesPerSection_); ++n) {
            const std::size_t s = static_cast<std::size_t>(texts_.Pick(sections));
            if (!Press(form, s, all)) return;  // one broken form reports once
        }
    }

    // One press of section `s`; false when a check failed.
    bool Press(CalculatorDialog* form, std::size_t s, const QList<QLineEdit*>& all) {
        const Section& section = form->Description().sections[s];
        const std::string where = form->objectName().toStdString() + " section " +
                                  std::to_string(s) + ", press " + std::to_string(presses) +
                                  ", seed " + std::to_string(seed_);
        SCOPED_TRACE(where);

        std::vector<std::pair<std::string_view, std::string_view>> expected;
        const bool plausible = texts_.Pick(3) == 0;
        for (std::size_t f = 0; f < section.inputs.size(); ++f) {
            QLineEdit* field = form->InputField(s, f);
            SetField(field, plausible ? texts_.Plausible(section.inputs[f].kind) : texts_.Next());
            if (auto m = ExpectedMessage(section.inputs[f], field->text())) expected.push_back(*m);
        }
        std::vector<QLineEdit*> own;
        for (std::size_t r = 0; r < section.resultLabels.size(); ++r) {
            own.push_back(form->ResultField(s, r));
        }
        std::vector<std::pair<QLineEdit*, QString>> before;
        for (QLineEdit* field : all) {
            if (std::find(own.begin(), own.end(), field) == own.end()) {
                before.emplace_back(field, field->text());
            }
        }

        QPointer<CalculatorDialog> alive(form);
        testing::RecordedMessages shown;
        QStringList opened;
        {
            WindowCloser closer(form);
            if (s == 0 && texts_.Pick(4) == 0) {
                // Enter in a field presses the first section's default "OK".
                QTest::keyClick(form->InputField(0, 0), Qt::Key_Return);
            } else {
                form->OkButton(s)->click();
            }
            opened = closer.opened;
        }
        ++presses;

        bool ok = true;
        const auto check = [&](bool condition, const std::string& what) {
            if (!condition) {
                ADD_FAILURE() << what;
                ok = false;
            }
        };
        check(!alive.isNull() && form->isVisible(), "the form went away");
        if (!ok) return false;

        std::vector<std::pair<std::string, std::string>> got;
        for (const auto& m : shown.messages) {
            got.emplace_back(m.caption.toStdString(), m.text.toStdString());
            check(m.owner == form, "a message box not owned by the form");
        }
        messages += got.size();
        std::vector<std::pair<std::string, std::string>> want;
        for (const auto& [caption, text] : expected) want.emplace_back(caption, text);
        check(got == want, std::to_string(got.size()) + " message boxes for " +
                               std::to_string(want.size()) + " bad fields");

        for (const auto& [field, text] : before) {
            check(field->text() == text, "field " + field->objectName().toStdString() +
                                             " outside the pressed results changed");
        }

        static const QRegularExpression fixed[] = {
            QRegularExpression(QStringLiteral("^-?[0-9]+\\.[0-9]{2}$")),
            QRegularExpression(QStringLiteral("^-?[0-9]+\\.[0-9]{4}$")),
            QRegularExpression(QStringLiteral("^-?[0-9]+\\.[0-9]{6}$")),
        };
        const QRegularExpression& figure = fixed[DecimalsOf(section.format) / 2 - 1];
        for (QLineEdit* result : own) {
            const QString text = result->text();
            Mix(text);
            if (text != "NaN") ++figures;
            if (!expected.empty()) {
                check(text == "NaN", "result " + result->objectName().toStdString() +
                                         " is not NaN after a bad field: " + text.toStdString());
            } else {
                check(text == "NaN" || figure.match(text).hasMatch(),
                      "result " + result->objectName().toStdString() +
                          " is neither NaN nor fixed notation: " + text.left(80).toStdString());
            }
        }

        windowsOpened += static_cast<std::uint64_t>(opened.size());
        const bool opens =
            !section.opens.empty() && expected.empty() && ui::IsWindowRegistered(section.opens);
        check(opened.size() == (opens ? 1 : 0),
              std::to_string(opened.size()) + " windows opened by the press");
        if (opens && opened.size() == 1) {
            check(opened[0].toStdString() == section.opens, "opened " + opened[0].toStdString());
        }
        return ok;
    }

    std::uint64_t seed_;
    int pressesPerSection_;
    TextSource texts_;
};

TEST(Monkey, EveryCatalogueEntryTakesAnyTextWithoutHarm) {
    if (const char* expectedLocale = std::getenv("ORVANTA_EXPECTED_LOCALE")) {
        const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
        ASSERT_EQ(std::string(numeric ? numeric : ""), expectedLocale)
            << "generate it with localedef";
    }
    const std::uint64_t seed = EnvNumber("ORVANTA_MONKEY_SEED", 20261210);
    const int presses = static_cast<int>(EnvNumber("ORVANTA_MONKEY_PRESSES", 60));
    SCOPED_TRACE("ORVANTA_MONKEY_SEED=" + std::to_string(seed));

    MAIN_TAB window;
    window.show();
    QApplication::processEvents();
    Monkey monkey(seed, presses);

    std::size_t entries = 0;
    for (int p = 0; p < kCataloguePageCount; ++p) {
        QTabBar* bar = window.TabControl()->TabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(p).center());
        ASSERT_EQ(window.TabControl()->CurrentPageIndex(), p);
        CataloguePage* page = window.TabControl()->CurrentPage();
        for (std::size_t e = 0; e < page->EntryCount(); ++e) {
            const std::string_view opens = page->Info().entries[e].opens;
            SCOPED_TRACE(std::string(opens));
            page->Entry(e)->click();
            bool opened = false;
            testing::OnNextModal(
                [&](QWidget* form) {
                    opened = true;
                    monkey.Exercise(form, opens);
                },
                &window);
            window.OkButton()->click();
            EXPECT_TRUE(opened);
            EXPECT_TRUE(window.isVisible());
            EXPECT_EQ(window.TabControl()->CurrentPageIndex(), p);
            EXPECT_TRUE(page->IsEntryChecked(e));
            ++entries;
        }
    }

    EXPECT_EQ(entries, 44u);
    EXPECT_TRUE(monkey.covered.count("PASKOLOS_GRAF_6_7"));
    EXPECT_TRUE(monkey.covered.count("PASKOLOS_DALINAI_APMOKETOS_6_7"));
    EXPECT_GT(monkey.figures, monkey.presses / 10) << "too few presses reached a formula";
    std::printf(
        "monkey: seed %llu, %zu windows, %llu presses, %llu message boxes, %llu figures, "
        "%llu windows opened by a press, digest %016llx\n",
        static_cast<unsigned long long>(seed), monkey.covered.size(),
        static_cast<unsigned long long>(monkey.presses),
        static_cast<unsigned long long>(monkey.messages),
        static_cast<unsigned long long>(monkey.figures),
        static_cast<unsigned long long>(monkey.windowsOpened),
        static_cast<unsigned long long>(monkey.digest));

    char digest[32];
    std::snprintf(digest, sizeof digest, "%016llx", static_cast<unsigned long long>(monkey.digest));
    if (const char* out = std::getenv("ORVANTA_MONKEY_DIGEST_OUT")) {
        std::ofstream(out) << digest << '\n';
    }
    if (const char* in = std::getenv("ORVANTA_MONKEY_DIGEST_IN")) {
        std::string reference;
        std::ifstream(in) >> reference;
        EXPECT_EQ(reference, digest) << "result texts differ from the run under the C locale";
    }
}

}  // namespace
}  // namespace orvanta
