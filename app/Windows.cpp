#include "app/Windows.h"

#include "app/TApropos.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "app/TOptimizedatabase.h"

#include <functional>

TForm1 *Form1 = nullptr;
TForm2 *Form2 = nullptr;
TOptimizedatabase *Optimizedatabase = nullptr;
TApropos *Apropos = nullptr;

namespace Windows {

namespace {
struct Entry {
    QWidget *window;
    std::function<void()> forget;
};

// Windows in creation order, kept to destroy them in reverse.
QList<Entry> &created()
{
    static QList<Entry> list;
    return list;
}

template <typename T> void make(T *&instance, QWidget *parent)
{
    instance = new T(parent);
    created().append({instance, [&instance] { instance = nullptr; }});
}
} // namespace

void createAll()
{
    make(Form1, nullptr);
    make(Form2, Form1);
    make(Optimizedatabase, Form1);
    make(Apropos, Form1);
}

void destroyAll()
{
    // The main window is the parent of the others: they go first, in reverse order.
    while (!created().isEmpty()) {
        Entry e = created().takeLast();
        delete e.window;
        e.forget();
    }
}

} // namespace Windows
