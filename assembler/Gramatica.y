/* Grammar of Velmo assembly sources, with the actions of both passes. */

%require "3.8"
%define api.pure full
%define api.prefix {velmo_yy}
%define api.token.prefix {TK_}
%define api.value.type {velmo::ValorGramatica}
%parse-param {velmo::ContextoParser& ctx}
%lex-param {velmo::ContextoParser& ctx}

%code requires {
#include "Parser.h"
}

%code {
#include <string>

// The state stack holds at most 1024 states, and running out is reported in the project's words.
#define YYINITDEPTH 1024
#define YYMAXDEPTH 1024
#define YY_(Mensaje) velmo_traduce(Mensaje)

namespace {

const char* velmo_traduce(const char* mensaje) {
    return std::string(mensaje) == "memory exhausted" ? "yyparse stack overflow" : mensaje;
}

int velmo_yylex(VELMO_YYSTYPE* valor, velmo::ContextoParser& ctx) {
    const int codigo = velmo::SiguienteToken(ctx.escaner);
    valor->valor = 0;
    valor->linea = ctx.contadorLineas + 1;
    valor->texto = -1;
    if (codigo == velmo::tkNUMERO) {
        valor->valor = ctx.escaner.ValorNumero();
    }
    if (codigo == velmo::tkNUMERO || codigo == velmo::tkIDENT || codigo == velmo::tkETIQUETA) {
        valor->texto = ctx.GuardaTexto(ctx.escaner.yytext());
    }
    return codigo < 0 ? 0 : codigo;
}

void velmo_yyerror(velmo::ContextoParser& ctx, const char* mensaje) {
    ++ctx.erroresSintaxis;
    ctx.InformeSintaxis(mensaje);
}

const char* const kMnemonicos[] = {"ADD", "MOV", "CMP"};

// A present operand whose name was not found (already reported) still counts as present.
int Presente(int valor) {
    return valor < 0 ? 0 : valor;
}

// Pass 2 of an inst0..inst3 line: writes it in version 3, rejects it in any other.
void InstruccionConfigurable(velmo::ContextoParser& ctx, int k, int a, int b, int constante, int palabras) {
    if (ctx.Pasada() == 2 && ctx.version == 3) {
        ctx.fun.SetLineaActual(ctx.contadorLineas + 1);
        if (ctx.fun.TratarInstConfigurable(std::to_string(k), ctx.contadorCodigo, a, b, constante) == -1) {
            ctx.ErrorSemantico(ctx.contadorLineas + 1,
                               "> Número de operandos incorrecto para Inst" + std::to_string(k) +
                                   " (configurada con " +
                                   std::to_string(ctx.fun.prVectorNumOps()[static_cast<std::size_t>(k)]) + ")");
        }
        ctx.contadorCodigo += palabras;
    } else if (ctx.Pasada() == 2) {
        ctx.ErrorSemantico(ctx.contadorLineas + 1, "> Instrucción INSTN sólo permitida si .ver = 3");
    } else {
        ctx.contadorCodigo += palabras;
    }
}

void SoloVersion3NoPermitida(velmo::ContextoParser& ctx) {
    if (ctx.version == 3 && ctx.Pasada() == 2) {
        ctx.ErrorSemantico(ctx.contadorLineas + 1, "> Instrucción no permitida si .ver = 3");
    }
}

} // namespace
}

%token NUMERO 258 BEQ 259 ADD 260 MOV 261 CMP 262 COMA 263
%token VER 266 DW 267 CODE 268 DATA 269 IDENT 270 ETIQUETA 271 INTERROG 272 VECTOR 273
%token CLEAR 274 MOVD 275 ACUM 276 CONF 277 INST0 278 INST1 279 INST2 280 INST3 281 FINLINEA 282

/* A line end thrown away while recovering from an error still ends a line. */
%destructor { ++ctx.contadorLineas; } FINLINEA

%start inicio

%%

inicio
    : programa { YYACCEPT; }
    ;

inicio_pasada
    : %empty {
        ctx.contadorCodigo = 0;
        ctx.contadorLineas = 0;
        if (ctx.Pasada() == 1) {
            ctx.errorSintactico = false;
            ctx.errorSemantico = false;
            ctx.desbordeDatos = false;
        }
    }
    ;

programa
    : inicio_pasada cabecera configuracion zona_datos fin_lineas declaraciones CODE fin_lineas lineas_codigo
    ;

zona_datos
    : DATA NUMERO {
        ctx.baseDatos = $2.valor - 1;
        ctx.fun.SetInicioDatos(ctx.baseDatos);
        ctx.contadorDatos = 0;
    }
    ;

cabecera
    : VER NUMERO fin_lineas {
        ctx.version = $2.valor;
        if (ctx.fun.SetVersion($2.valor) == -1 && ctx.Pasada() == 2) {
            // Reported at the .ver line itself, not where the line ends were finally read.
            ctx.ErrorSemantico($2.linea, "> Versión de ejecutable incorrecta .Ver" + ctx.Texto($2));
        }
    }
    ;

configuracion
    : %empty {
        if (ctx.Pasada() == 1 && ctx.version == 3) {
            ctx.ErrorSemantico(ctx.contadorLineas + 1, "> Debes configurar Inst0..Inst3 (nº de operandos)");
        }
    }
    | CONF fin_lineas INST0 NUMERO fin_lineas INST1 NUMERO fin_lineas INST2 NUMERO fin_lineas INST3 NUMERO fin_lineas {
        if (ctx.Pasada() == 2) {
            if (ctx.version == 3) {
                if (ctx.fun.Configurarinstrucciones($4.valor, $7.valor, $10.valor, $13.valor) == -1) {
                    ctx.ErrorSemantico(ctx.contadorLineas, "> Error al configurar Inst0..Inst3 (nº de operandos)");
                }
            } else {
                ctx.ErrorSemantico(ctx.contadorLineas, "> Sólo hay que configurar las instrucciones si .Ver es 3");
            }
        }
    }
    ;

lista_vector
    : %empty
    | lista_vector COMA NUMERO {
        const int valor = $3.valor;
        ctx.PalabraDato(ctx.contadorLineas + 1, [&](int direccion) { ctx.fun.ComponenteVector(direccion, valor); });
    }
    ;

declaraciones
    : %empty
    | declaraciones VECTOR IDENT { ctx.nombreActual = ctx.Texto($3); } NUMERO {
        const int valor = $5.valor;
        ctx.PalabraDato(ctx.contadorLineas + 1, [&](int direccion) {
            if (!ctx.fun.Variable(ctx.nombreActual, direccion, valor)) {
                ctx.ErrorSemantico(ctx.contadorLineas + 1, "> Variable ya definida : " + ctx.nombreActual);
            }
        });
    } lista_vector fin_lineas
    | declaraciones DW IDENT { ctx.nombreActual = ctx.Texto($3); } valor_inicial fin_lineas {
        // Reported at the dw line itself, not where the line ends were finally read.
        const int linea = $3.linea;
        ctx.PalabraDato(linea, [&](int direccion) {
            if (!ctx.fun.Variable(ctx.nombreActual, direccion, ctx.valorInicialActual)) {
                ctx.ErrorSemantico(linea, "> Variable ya definida: " + ctx.nombreActual);
            }
        });
    }
    ;

valor_inicial
    : NUMERO { ctx.valorInicialActual = $1.valor; }
    | INTERROG { ctx.valorInicialActual = -1; }
    ;

etiqueta_opc
    : %empty
    | ETIQUETA {
        if (!ctx.fun.Etiqueta(ctx.Texto($1), ctx.contadorCodigo)) {
            ctx.ErrorSemantico(ctx.contadorLineas + 1, "> Etiqueta ya definida: " + ctx.Texto($1));
        }
    }
    ;

lineas_codigo
    : %empty
    | lineas_codigo etiqueta_opc BEQ IDENT {
        const int destino = ctx.fun.TraduceEtiq(ctx.Texto($4), ctx.contadorLineas);
        if (destino == -1 && ctx.Pasada() == 2) {
            ctx.errorSemantico = true;
        } else {
            ctx.fun.SetLineaActual(ctx.contadorLineas + 1);
            ctx.fun.TratarSalto("BEQ", ctx.contadorCodigo, destino);
        }
        SoloVersion3NoPermitida(ctx);
        ++ctx.contadorCodigo;
    } fin_lineas
    | lineas_codigo etiqueta_opc BEQ NUMERO {
        ctx.fun.SetLineaActual(ctx.contadorLineas + 1);
        if (ctx.fun.TratarSalto("BEQ", ctx.contadorCodigo, $4.valor) == -1) {
            ctx.ErrorSemantico(ctx.contadorLineas + 1, "> Salto fuera de rango");
        }
        SoloVersion3NoPermitida(ctx);
        ++ctx.contadorCodigo;
    } fin_lineas
    | lineas_codigo etiqueta_opc op_dos operando1 COMA operando2 {
        ctx.fun.SetLineaActual(ctx.contadorLineas + 1);
        ctx.fun.TratarInst(kMnemonicos[$3.valor], ctx.contadorCodigo, $4.valor, $6.valor);
        ++ctx.contadorCodigo;
        SoloVersion3NoPermitida(ctx);
    } fin_lineas
    | lineas_codigo etiqueta_opc CLEAR operando1 {
        if (ctx.version == 2) {
            ctx.fun.SetLineaActual(ctx.contadorLineas + 1);
            ctx.fun.TratarClear(ctx.contadorCodigo, $4.valor);
            ++ctx.contadorCodigo;
        } else if (ctx.Pasada() == 2) {
            ctx.ErrorSemantico(ctx.contadorLineas + 1, "> Instrucción CLEAR sólo permitida si .ver = 2");
        }
    } fin_lineas
    | lineas_codigo etiqueta_opc MOVD NUMERO COMA operando1 {
        if (ctx.version == 2) {
            ctx.fun.SetLineaActual(ctx.contadorLineas + 1);
            ctx.fun.TratarMOVD(ctx.contadorCodigo, $4.valor, $6.valor);
            ctx.contadorCodigo += 2;
        } else if (ctx.Pasada() == 2) {
            ctx.ErrorSemantico(ctx.contadorLineas + 1, "> Instrucción MOVD sólo permitida si .ver = 2");
        }
    } fin_lineas
    | lineas_codigo etiqueta_opc ACUM NUMERO COMA operando1 {
        if (ctx.version == 2) {
            ctx.fun.SetLineaActual(ctx.contadorLineas + 1);
            ctx.fun.TratarACUM(ctx.contadorCodigo, $4.valor, $6.valor);
            ctx.contadorCodigo += 2;
        } else if (ctx.Pasada() == 2) {
            ctx.ErrorSemantico(ctx.contadorLineas + 1, "> Instrucción ACUM sólo permitida si .ver = 2");
        }
    } fin_lineas
    | lineas_codigo etiqueta_opc inst_conf operando1 COMA operando2 {
        InstruccionConfigurable(ctx, $3.valor, Presente($4.valor), Presente($6.valor), -1, 1);
    } fin_lineas
    | lineas_codigo etiqueta_opc inst_conf operando1 {
        InstruccionConfigurable(ctx, $3.valor, Presente($4.valor), -1, -1, 1);
    } fin_lineas
    | lineas_codigo etiqueta_opc inst_conf operando1 COMA operando2 COMA NUMERO {
        InstruccionConfigurable(ctx, $3.valor, Presente($4.valor), Presente($6.valor), $8.valor, 2);
    } fin_lineas
    | error { ctx.errorSintactico = true; }
    ;

inst_conf
    : INST0 { $$.valor = 0; }
    | INST1 { $$.valor = 1; }
    | INST2 { $$.valor = 2; }
    | INST3 { $$.valor = 3; }
    ;

operando1
    : IDENT {
        $$.valor = ctx.fun.TraduceVariable(ctx.Texto($1), ctx.contadorLineas + 1);
        if ($$.valor == -1 && ctx.Pasada() == 2) {
            ctx.errorSemantico = true;
        }
    }
    | NUMERO {
        if ($1.valor > 127) {
            ctx.errorSemantico = true;
            if (ctx.Pasada() == 2) {
                ctx.ErrorSemantico(ctx.contadorLineas + 1, "> Operando 1 fuera de rango: " + ctx.Texto($1));
            }
        }
        $$.valor = $1.valor;
    }
    | error { ctx.errorSintactico = true; $$.valor = 0; }
    ;

operando2
    : IDENT {
        $$.valor = ctx.fun.TraduceVariable(ctx.Texto($1), ctx.contadorLineas + 1);
        if ($$.valor == -1 && ctx.Pasada() == 2) {
            ctx.errorSemantico = true;
        }
    }
    | NUMERO {
        if ($1.valor > 127) {
            ctx.errorSemantico = true;
            if (ctx.Pasada() == 2) {
                ctx.ErrorSemantico(ctx.contadorLineas + 1, "> Operando 2 fuera de rango: " + ctx.Texto($1));
            }
        }
        $$.valor = $1.valor;
    }
    | error { ctx.errorSintactico = true; $$.valor = 0; }
    ;

op_dos
    : ADD { $$.valor = 0; }
    | MOV { $$.valor = 1; }
    | CMP { $$.valor = 2; }
    ;

fin_lineas
    : FINLINEA { YY_USE($1); ++ctx.contadorLineas; }
    | fin_lineas FINLINEA { YY_USE($2); ++ctx.contadorLineas; }
    ;

%%
