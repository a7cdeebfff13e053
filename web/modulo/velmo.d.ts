// Types of the WebAssembly page module (build-web/velmo.js + velmo.wasm, an ES module; the build copies this
// file beside them). Every value is plain data (JSON-like). Spanish names for the system's own concepts, as
// in the C++ core. Calls are synchronous; bad arguments throw an Error with a Spanish message.

export type ClaseMensaje = 'error' | 'aviso' | 'detalle' | 'encabezado' | 'informe';
export interface MensajeMontaje { clase: ClaseMensaje; linea: number; /* 1-based, -1 none */ texto: string; }
export type Icono = 'error' | 'aviso' | 'informacion' | 'pregunta';
export interface Caja { texto: string; titulo: string; icono: Icono; }

export interface ResultadoMontaje {
  correcto: boolean;
  lineaPrimerError: number;       // -1 when none
  mensajes: MensajeMontaje[];     // the message list, records in order (flat text = mensajes.map(m => m.texto))
  cajas: Caja[];                  // boxes the assembler raised ("Montador" captions)
  ejecutable: Uint8Array;         // the .vlx bytes (empty when the assembly failed)
  listado: Uint8Array;            // the listing bytes (UTF-8, CR LF), possibly present after a semantic failure
}

export type ControlV1 = 'normal' | 'optimizado' | 'microprogramado';
export type TipoControl = ControlV1 | 'modificado' | 'microprogramable';

export interface Microinstruccion {   // one row of a user microprogram, fields as the C++ TMicroInstProgramable
  MX10: number; ALU10: number; LorWmem: number; pPc: number; pIr: number; pA: number; pB: number; pFz: number;
  Salto: number; Test: number; pAux: number;
}
export type EstadoLecturaMpr = 'correcto' | 'noSePuedeAbrir' | 'cabeceraIlegible' | 'cabeceraIncorrecta'
  | 'incompleto' | 'fueraDeRango';   // the C++ EstadoLecturaMpr values
export interface LecturaMicroprograma {
  estado: EstadoLecturaMpr;
  mensaje: string;                 // the desktop editor's box text ('Velmo' caption), '' if correct
  /** 'correcto': the 16 rows. 'incompleto': only the whole rows read (the editor keeps them over its own
   *  rows and starts the simulation). Otherwise empty: nothing is loaded. */
  microprograma: Microinstruccion[];
}

export interface CeldasMicroprograma { cabecera: string[]; filas: string[][]; } // one name per column

export interface OpcionesApertura {
  nombre: string;                 // shown in messages and traces, e.g. 'suma_vector_v2.vlx'
  ejecutable: Uint8Array;         // .vlx bytes
  control?: ControlV1;            // answer to the control-unit choice of a version-1 file (default 'normal')
  microprograma?: Microinstruccion[]; // version 3: exactly 16 valid rows (default: the editor's initial microprogram)
  alu?: [number, number, number, number]; // selected item of each ALU option group (-1 none), default [0,0,0,0]
}

/** What the page answers while the engine runs (synchronously, inside a call). An answer that throws fails
 *  the command under way: a run ends with fin 'error' (error: "La página falló al contestar: ..."), abrir()
 *  throws. While a command runs, an answer may call foto(), detener(), conmutaBreakpoint() and the set...()
 *  methods; another command (or libera()) throws. */
export interface Anfitrion {
  mensaje(caja: Caja): void;                        // information/warning/error boxes
  pregunta(texto: string, titulo: string): boolean; // yes/no questions (e.g. the every-50 question)
  avisoBreakpoint?(): void;                         // a breakpoint was just set: the desktop's notice, if the page shows it
}

export type FinEjecucion = 'completada' | 'breakpoint' | 'instruccionIncompleta' | 'limiteCiclos'
  | 'detenidaPorUsuario' | 'sinBreakpoints' | 'nadaQueDeshacer' | 'error';
export interface ResultadoEjecucion { fin: FinEjecucion; ciclos: number; instrucciones: number; error: string; }

export interface FilaMemoria { valor: number; textos: [string, string, string, string]; breakpoint: boolean; imagen: 0 | 1 | 2 | 3; }
export interface EntradaTabla { nombre: string; valor: string; }
export interface Senal { nombre: string; valor: number; activa: boolean; }

/** The state picture: C++ FotoEstado field by field (camelCase as in C++). */
export interface Foto {
  version: 1 | 2 | 3; control: TipoControl; ciclos: number; instrucciones: number; estado: number;
  filaActual: number; filaMicroprograma: number; finInstruccion: boolean;
  pc: number; ir: number; a: number; b: number; fz: number; regAux: number; regAuxActivo: boolean; regAuxLeido: boolean;
  memoria: FilaMemoria[];                 // 128 rows
  registros: EntradaTabla[]; senalesMemoria: EntradaTabla[]; senalesControl: EntradaTabla[];
  senales: Senal[];                       // the 23 datapath signals
  cablesControl: boolean[];               // the control-unit diagram's five lines
  captions: string[];
  mensajes: string[];                     // boxes raised since the last command began
}

/**
 * A run that advances in slices, so that the page animates without blocking and without re-writing any run
 * rule: all the semantics (N instructions, the every-50 question, breakpoints, incomplete instructions, the
 * 10000-instruction cap of a breakpoint run, cycle bounds) stay in C++.
 */
export interface EjecucionPorTramos {
  /** Runs at most `maxCiclos` (>= 1) more cycles; null while the run goes on, its result once it has ended
   *  (and on every later call). Any other command of the simulation, or reinicia(), ends it: avanza then
   *  answers 'detenidaPorUsuario' with nothing run. */
  avanza(maxCiclos: number): ResultadoEjecucion | null;
  detener(): void;                         // ends it after the current cycle (next avanza returns the result)
}

export interface Simulacion {
  apertura(): 'correcto' | 'cabeceraIncorrecta' | 'corrupto';
  ciclo(): ResultadoEjecucion;
  instruccion(): ResultadoEjecucion;
  instrucciones(n: number, maxCiclos?: number): ResultadoEjecucion;   // maxCiclos: -1 or absent, no bound
  hastaBreakpoint(maxCiclos?: number): ResultadoEjecucion;
  /** The same runs, sliced (n is ignored for 'breakpoint'); maxCiclos bounds the whole run as above. */
  porTramos(tipo: 'ciclos' | 'instrucciones' | 'breakpoint', n: number, maxCiclos?: number): EjecucionPorTramos;
  cicloAnterior(): ResultadoEjecucion;
  instruccionAnterior(): ResultadoEjecucion;
  reinicia(): void;                         // opens the bytes again (after an 'error' result); keeps the old one if that throws
  conmutaBreakpoint(fila: number): void;   // as a click on the memory view's row (companion rows included)
  foto(): Foto;
  trazaCsv(): string;                       // the history held (up to a million cycles), as "Guardar traza..." writes it
  trazaVcd(): string;
  setOpcionesAlu(alu: [number, number, number, number]): void;   // the ALU configuration window's choice
  /** The editor's 16 rows (version 3). As on the desktop, the control unit takes the editor's rows when the
   *  simulation opens: they are used from the next reinicia(). */
  setMicroprograma(m: Microinstruccion[]): void;
  libera(): void;                           // frees the C++ object
}

/** One per highlighter attribute ('cadena' has its colours but the tokenizer never makes one) and
 *  'desconocido' (a character of no other kind, drawn as an identifier). */
export type ClaseToken = 'comentario' | 'directiva' | 'identificador' | 'palabraClave' | 'numero' | 'espacio'
  | 'cadena' | 'desconocido';
/** inicio and longitud in JavaScript string units (UTF-16), so linea.substr(inicio, longitud) is the token. */
export interface Token { inicio: number; longitud: number; clase: ClaseToken; }
/** color/fondo '#rrggbb', or null for the editor's default. */
export interface EstiloToken { clase: ClaseToken; color: string | null; fondo: string | null; negrita: boolean; cursiva: boolean; }

/** A hard-wired unit's state diagram: caption, picture (resources/*.svg) and its control outputs per state,
 *  top to bottom; `valores` has one character per state ('0', '1' or 'X' for don't care). */
export interface MapaEstados { titulo: string; imagen: string; salidas: { nombre: string; valores: string }[]; }

/** Drawing data of the diagrams, the same tables the desktop's windows draw from (moved to a Qt-free place). */
export interface Dibujo {
  imagenUP: string; anchoUP: number; altoUP: number;   // 'VELMO.svg', 580 x 610
  /** Per datapath signal, in the order of Foto.senales: its polyline over the datapath picture, its width. */
  cablesUP: { nombre: string; bits: number; puntos: [number, number][] }[];
  /** The probes of the datapath: which signal, lead from/to and label box position. */
  sondas: { senal: number; origen: [number, number]; destino: [number, number]; caja: [number, number] }[];
  /** Per control kind, the control-unit picture's name (resources/*.svg), size and its five lines' polylines;
   *  for the hard-wired kinds, the state diagram a click on the ROM opens (null for the microprogrammed). */
  unidadesControl: {
    control: TipoControl; imagen: string; ancho: number; alto: number; cables: [number, number][][];
    mapaEstados: MapaEstados | null;
  }[];
  /** Context-help texts of each window, as the desktop shows them. Keys: unidadProceso, unidadControl, memoria,
   *  registros, senalesMemoria, senalesControl, estado. */
  ayudas: Record<string, string>;
  /** Colours the desktop uses, '#rrggbb'. Keys: cableActivo, reloj, cajaSonda, cableInactivo, fondo, filaActual,
   *  breakpoint (its text is white), nombreTabla, valorTabla. */
  colores: Record<string, string>;
}

/** One case of the self-check. A hidden case gives only its pass or fail: resultado 'correcto' or 'fallo'
 *  and no differences. */
export interface CasoComprobado {
  nombre: string; puntos: number; maximo: number; superado: boolean; oculto: boolean;
  resultado: string;       // "correcto", "fallo", "límite de ciclos", "no se monta" or "no se abre"
  diferencias: string[];   // one readable line each
}
/** The exercise file could not be used: only `error` (its message names the field at fault). */
export interface EjercicioIncorrecto { error: string; }
export interface Comprobacion {
  titulo: string;
  estado: 'evaluada' | 'noMonta' | 'noAbre';
  error: string;            // why it could not be run (noAbre), e.g. a missing microprogram
  mensajesMontaje: string[];
  casos: CasoComprobado[];  // every case of the exercise, in its order
  puntos: number; maximo: number;
}

export interface ModuloVelmo {
  dibujo(): Dibujo;
  /** Assembles exactly `texto` in memory (the page applies conLineaFinal first and puts that line in the editor, as the desktop does); `nombre` is the executable's name for the messages (e.g. 'prog.vlx'). */
  montar(texto: string, nombre: string): ResultadoMontaje;
  conLineaFinal(texto: string): string;                      // the "&Montar" line-end rule, for the editor to insert the line
  abrir(opciones: OpcionesApertura, anfitrion: Anfitrion): Simulacion;  // throws Error(message) when the bytes cannot be opened at all
  leeMicroprograma(bytes: Uint8Array, nombre?: string): LecturaMicroprograma; // nombre: the file's, for the messages
  escribeMicroprograma(m: Microinstruccion[]): Uint8Array;
  microprogramaInicial(): Microinstruccion[];
  microinstruccionValida(m: Microinstruccion): boolean;       // every field whole and within its range
  /** The "Microprograma" view's table: the fixed microprogram (14 rows, 13 columns) or, when configurable, the
   *  16 rows of `microprograma` (default: the editor's initial one) with "pAux". Each row starts with its
   *  number; texts keep the desktop's leading spaces. */
  celdasMicroprograma(configurable: boolean, microprograma?: Microinstruccion[]): CeldasMicroprograma;
  plantilla(version: 1 | 2 | 3): string;                      // the workbench's new-file templates, lines joined by '\n'
  tokens(linea: string): Token[];                             // the project's highlighter over one line
  estilos(): EstiloToken[];
  /** The core's UTF-8/UTF-16/BOM/1252 rule. esTexto false for a binary file (texto ''), or for one over 16 MiB
   *  (demasiadoGrande; texto is what the desktop's editor shows then). */
  textoFuente(bytes: Uint8Array): { texto: string; esTexto: boolean; demasiadoGrande: boolean };
  /** Grades `fuente` against the exercise file's cases, as velmo-evaluar does; `microprograma` (.mpr bytes)
   *  for a version-3 exercise whose students bring their own. */
  comprobarEjercicio(ejercicioJson: string, fuente: string, microprograma?: Uint8Array): Comprobacion | EjercicioIncorrecto;
  ejemplos?: never; // examples are files of the site, not of the module
}

/** Under Node the .wasm is read from beside velmo.js (or where locateFile says); wasmBinary skips that. */
export default function crearModuloVelmo(opciones?: {
  locateFile?: (f: string, carpeta: string) => string; wasmBinary?: Uint8Array }): Promise<ModuloVelmo>;
