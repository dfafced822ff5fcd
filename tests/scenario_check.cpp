// Runs one scenario through belegix-drive and compares its output with the expected lines.
//
//   scenario_check DRIVE SCRIPT EXPECTED
//
// The driver's output lines must match the expected ones one-to-one and in order. An expected
// JSON object matches when each of its keys is present in the actual one and matches in turn;
// arrays match when they have the same length and match element by element, a null element of
// an expected array matching anything; other values must be equal. In the expected file, blank
// lines and lines beginning with '#' are skipped, and one expected value may be written over
// several lines. A line "#! exit N" expects exit status N instead of 0. "$CWD" in the expected
// file stands for the directory the driver runs in (where relative file names of a script go).
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace {

void Say(const QString& s) {
    std::fprintf(stderr, "%s\n", s.toUtf8().constData());
}

QString Show(const QJsonValue& v) {
    if (v.isObject())
        return QString::fromUtf8(QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact));
    if (v.isArray())
        return QString::fromUtf8(QJsonDocument(v.toArray()).toJson(QJsonDocument::Compact));
    if (v.isString()) {
        QJsonArray wrap{v};
        const QString s = QString::fromUtf8(QJsonDocument(wrap).toJson(QJsonDocument::Compact));
        return s.mid(1, s.size() - 2);
    }
    if (v.isBool()) return v.toBool() ? "true" : "false";
    if (v.isDouble()) return QString::number(v.toDouble());
    if (v.isUndefined()) return "(missing)";
    return "null";
}

// Collects every difference under `path`.
void Compare(const QJsonValue& want, const QJsonValue& got, const QString& path,
             QStringList& diffs) {
    if (want.isObject()) {
        if (!got.isObject()) {
            diffs << path + ": expected an object, got " + Show(got);
            return;
        }
        const QJsonObject w = want.toObject();
        const QJsonObject g = got.toObject();
        for (auto it = w.begin(); it != w.end(); ++it) {
            const QString sub = path.isEmpty() ? it.key() : path + "." + it.key();
            if (!g.contains(it.key()))
                diffs << sub + ": missing (expected " + Show(it.value()) + ")";
            else
                Compare(it.value(), g.value(it.key()), sub, diffs);
        }
        return;
    }
    if (want.isArray()) {
        if (!got.isArray()) {
            diffs << path + ": expected an array, got " + Show(got);
            return;
        }
        const QJsonArray w = want.toArray();
        const QJsonArray g = got.toArray();
        if (w.size() != g.size()) {
            diffs << path + QString(": expected %1 elements, got %2: %3")
                                .arg(w.size())
                                .arg(g.size())
                                .arg(Show(got));
            return;
        }
        for (qsizetype i = 0; i < w.size(); ++i) {
            if (w.at(i).isNull()) continue;  // anything
            Compare(w.at(i), g.at(i), path + QString("[%1]").arg(i), diffs);
        }
        return;
    }
    if (want != got) diffs << path + ": expected " + Show(want) + ", got " + Show(got);
}

struct Expected {
    QList<QJsonValue> values;
    QList<int> lines;  // where each value begins in the file
    int exitStatus = 0;
    QString error;
};

Expected ReadExpected(const QString& name) {
    Expected e;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        e.error = "cannot read " + name;
        return e;
    }
    const QStringList lines = QString::fromUtf8(file.readAll())
                                  .replace(QStringLiteral("$CWD"), QDir::currentPath())
                                  .split('\n');
    static const QRegularExpression exitLine(R"(^#!\s*exit\s+(\d+)\s*$)");
    QString pending;
    int start = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (const auto m = exitLine.match(line); m.hasMatch()) {
            e.exitStatus = m.captured(1).toInt();
            continue;
        }
        if (line.isEmpty() || line.startsWith('#')) continue;
        if (pending.isEmpty()) start = i + 1;
        pending += lines[i] + '\n';
        QJsonParseError err;
        const QJsonDocument doc = QJsonDocument::fromJson(pending.toUtf8(), &err);
        if (err.error != QJsonParseError::NoError) continue;  // the value goes on
        e.values << (doc.isObject() ? QJsonValue(doc.object()) : QJsonValue(doc.array()));
        e.lines << start;
        pending.clear();
    }
    if (!pending.trimmed().isEmpty())
        e.error = QString("%1:%2: not valid JSON").arg(name).arg(start);
    return e;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        Say("usage: scenario_check DRIVE SCRIPT EXPECTED");
        return 2;
    }
    const QString drive = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString script = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    const Expected expected = ReadExpected(QString::fromLocal8Bit(argv[3]));
    if (!expected.error.isEmpty()) {
        Say(expected.error);
        return 1;
    }

    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    run.setProcessEnvironment(env);
    run.start(drive, {script});
    if (!run.waitForFinished(120000)) {
        Say("the driver did not finish: " + run.errorString());
        run.kill();
        return 1;
    }
    const QString err = QString::fromUtf8(run.readAllStandardError());
    const QByteArray bytes = run.readAllStandardOutput();
    QStringList out = QString::fromUtf8(bytes).split('\n');
    if (!out.isEmpty() && out.last().isEmpty()) out.removeLast();

    QStringList problems;
    // JSON is UTF-8: bytes that are none make a line that no JSON reader accepts.
    if (!QByteArrayView(bytes).isValidUtf8()) problems << "the output is not valid UTF-8";
    const int status = run.exitStatus() == QProcess::NormalExit ? run.exitCode() : -1;
    if (status != expected.exitStatus)
        problems << QString("exit status %1, expected %2").arg(status).arg(expected.exitStatus);

    const qsizetype n = std::max<qsizetype>(out.size(), expected.values.size());
    for (qsizetype i = 0; i < n; ++i) {
        const QString where = QString("output line %1").arg(i + 1);
        if (i >= expected.values.size()) {
            problems << where + ": not expected: " + out[i].left(300);
            continue;
        }
        const QString from = QString(" (expected at line %1)").arg(expected.lines[i]);
        if (i >= out.size()) {
            problems << where + ": missing" + from + ": " + Show(expected.values[i]).left(300);
            continue;
        }
        QJsonParseError parseError;
        const QJsonDocument doc = QJsonDocument::fromJson(out[i].toUtf8(), &parseError);
        if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
            problems << where + ": not a JSON object: " + out[i].left(300);
            continue;
        }
        QStringList diffs;
        Compare(expected.values[i], QJsonValue(doc.object()), QString(), diffs);
        for (const QString& d : diffs) problems << where + from + ": " + d;
    }

    if (problems.isEmpty()) return 0;
    Say("scenario " + script + " differs:");
    for (const QString& p : problems) Say("  " + p);
    if (!err.isEmpty()) Say("driver's standard error:\n" + err);
    return 1;
}
