#include "LexerVelmo.h"

#include <Qsci/qsciscintilla.h>

#include <QtTest>

namespace velmo {

class TestLexerVelmo : public QObject {
    Q_OBJECT

    static QFont Fuente() {
        QFont fuente("Courier New");
        fuente.setPixelSize(13);
        return fuente;
    }

    static int EstiloEn(QsciScintilla& ed, int linea, int columna) {
        const long pos = ed.positionFromLineIndex(linea, columna);
        return static_cast<int>(ed.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, pos));
    }

private slots:
    void stylesFollowTheTokens() {
        QsciScintilla ed;
        ed.setUtf8(true);
        auto* lexer = new TLexerVelmo(Fuente(), &ed);
        ed.setLexer(lexer);
        ed.setText("add uno, 86 ;suma\n   .data 15 ;dirección\n12abc mov a, .b\nInst7 ñ x");
        ed.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, -1);

        QCOMPARE(EstiloEn(ed, 0, 0), int(TLexerVelmo::esReservada));
        QCOMPARE(EstiloEn(ed, 0, 2), int(TLexerVelmo::esReservada));
        QCOMPARE(EstiloEn(ed, 0, 3), int(TLexerVelmo::esEspacio));
        QCOMPARE(EstiloEn(ed, 0, 4), int(TLexerVelmo::esIdentificador));
        QCOMPARE(EstiloEn(ed, 0, 9), int(TLexerVelmo::esNumero));
        QCOMPARE(EstiloEn(ed, 0, 12), int(TLexerVelmo::esComentario));
        QCOMPARE(EstiloEn(ed, 0, 16), int(TLexerVelmo::esComentario));

        QCOMPARE(EstiloEn(ed, 1, 0), int(TLexerVelmo::esEspacio));
        QCOMPARE(EstiloEn(ed, 1, 3), int(TLexerVelmo::esDirectiva));
        QCOMPARE(EstiloEn(ed, 1, 11), int(TLexerVelmo::esDirectiva));
        QCOMPARE(EstiloEn(ed, 1, 12), int(TLexerVelmo::esComentario));
        // The accented letter takes two bytes: the comment still reaches the last letter, and the line
        // break after it is a blank.
        QCOMPARE(EstiloEn(ed, 1, 20), int(TLexerVelmo::esComentario));
        QCOMPARE(EstiloEn(ed, 1, 21), int(TLexerVelmo::esComentario));
        QCOMPARE(EstiloEn(ed, 1, 22), int(TLexerVelmo::esEspacio));

        // "12abc": an unknown number, drawn as an identifier, then the identifier itself.
        QCOMPARE(EstiloEn(ed, 2, 0), int(TLexerVelmo::esIdentificador));
        QCOMPARE(EstiloEn(ed, 2, 2), int(TLexerVelmo::esIdentificador));
        QCOMPARE(EstiloEn(ed, 2, 6), int(TLexerVelmo::esReservada));
        QCOMPARE(EstiloEn(ed, 2, 13), int(TLexerVelmo::esIdentificador));

        QCOMPARE(EstiloEn(ed, 3, 0), int(TLexerVelmo::esReservada));
        QCOMPARE(EstiloEn(ed, 3, 6), int(TLexerVelmo::esIdentificador));
        QCOMPARE(EstiloEn(ed, 3, 7), int(TLexerVelmo::esEspacio));
        QCOMPARE(EstiloEn(ed, 3, 8), int(TLexerVelmo::esIdentificador));
    }

    void restylesAfterAnEdit() {
        QsciScintilla ed;
        ed.setUtf8(true);
        ed.setLexer(new TLexerVelmo(Fuente(), &ed));
        ed.setText("movx a, b");
        ed.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, -1);
        QCOMPARE(EstiloEn(ed, 0, 0), int(TLexerVelmo::esIdentificador));
        ed.setSelection(0, 3, 0, 4);
        ed.removeSelectedText();
        ed.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, -1);
        QCOMPARE(ed.text(), QString("mov a, b"));
        QCOMPARE(EstiloEn(ed, 0, 0), int(TLexerVelmo::esReservada));
    }

    void attributesBecomeStyles() {
        TLexerVelmo lexer(Fuente());
        QCOMPARE(QString(lexer.language()), QString("Velmo"));
        const QStringList nombres = {"Comment", "Directiva", "Identifier", "Reserved Word",
                                     "Number",  "Space",     "String"};
        for (int i = 0; i < nombres.size(); ++i) {
            QCOMPARE(lexer.description(i), nombres[i]);
        }
        QVERIFY(lexer.description(7).isEmpty());

        QCOMPARE(lexer.color(TLexerVelmo::esComentario), QColor(0x00, 0x00, 0x80));
        QCOMPARE(lexer.color(TLexerVelmo::esDirectiva), QColor(0x00, 0x80, 0x00));
        QCOMPARE(lexer.color(TLexerVelmo::esNumero), QColor(0x80, 0x00, 0x80));
        QCOMPARE(lexer.color(TLexerVelmo::esCadena), QColor(0xFF, 0x00, 0x00));
        QCOMPARE(lexer.color(TLexerVelmo::esIdentificador), lexer.defaultColor());
        QCOMPARE(lexer.color(TLexerVelmo::esReservada), lexer.defaultColor());

        QVERIFY(lexer.font(TLexerVelmo::esComentario).italic());
        QVERIFY(!lexer.font(TLexerVelmo::esComentario).bold());
        QVERIFY(lexer.font(TLexerVelmo::esReservada).bold());
        QVERIFY(!lexer.font(TLexerVelmo::esReservada).italic());
        QVERIFY(!lexer.font(TLexerVelmo::esIdentificador).bold());
        QCOMPARE(lexer.font(TLexerVelmo::esNumero).family(), QString("Courier New"));
        QCOMPARE(lexer.font(TLexerVelmo::esNumero).pixelSize(), 13);

        QCOMPARE(QString(lexer.wordCharacters()).size(), 63);
    }

    void changedAttributeReachesTheEditor() {
        TLexerVelmo lexer(Fuente());
        QSignalSpy colores(&lexer, &QsciLexer::colorChanged);
        QSignalSpy fuentes(&lexer, &QsciLexer::fontChanged);
        lexer.Resaltador().fKeyAttri.SetCursiva(true);
        lexer.Resaltador().fNumberAttri.SetForeground(0x123456);
        QVERIFY(lexer.font(TLexerVelmo::esReservada).italic());
        QVERIFY(lexer.font(TLexerVelmo::esReservada).bold());
        QCOMPARE(lexer.color(TLexerVelmo::esNumero), QColor(0x12, 0x34, 0x56));
        QVERIFY(!colores.isEmpty());
        QVERIFY(!fuentes.isEmpty());
    }
};

} // namespace velmo

QTEST_MAIN(velmo::TestLexerVelmo)
#include "test_LexerVelmo.moc"
