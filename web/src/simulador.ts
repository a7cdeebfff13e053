// The simulator: opens an executable in the module, shows every state picture and drives the commands. All
// the running (cycles, instructions, breakpoints, the every-50 question, limits) happens inside the module.
import type {
  Anfitrion,
  Caja,
  ControlV1,
  Dibujo,
  EjecucionPorTramos,
  Foto,
  MapaEstados,
  ModuloVelmo,
  ResultadoEjecucion,
  Simulacion,
} from './modulo';
import { DiagramaRutaDatos, DiagramaUnidadControl, type Formato } from './diagramas';
import { VistaMemoria } from './memoria';
import { EditorMicroprograma, tablaMicroprograma } from './microprograma';
import {
  abreAyuda,
  cajasPendientes,
  elemento,
  encolaCaja,
  formulario,
  radio,
  ventanaInformativa,
} from './dialogos';
import { abreArchivo, descarga } from './archivos';

export type Velocidad = 'animada' | 'rapida';
const CLAVE_VELOCIDAD = 'velmo.velocidad';
/** The desktop's pause of a cycle in an animated run, while the clock line flashes. */
const PAUSA_CICLO_MS = 30;

export interface OpcionesSimulacion {
  control?: ControlV1;
  /** Where a version-3 program's microprogram comes from, asked only for such a program (null: none). */
  microprograma?: () => Promise<Uint8Array | null>;
  interactiva: boolean; // asks for the control unit / shows the microprogram editor as the desktop does
}

const titulosSonda: Record<string, string> = {
  wMuxoutMem: 'Salida Multiplexor',
  wSumPc: 'Entrada a PC',
  wMoutB: 'Salida Memoria (entrada A,B,IR)',
  wAluZFZ: 'Entrada Flag Z',
  wAluOutMem: 'Salida de la ALU',
};

/** The picture windows opened by a click on a datapath element, as on the desktop. */
const zonasRutaDatos: {
  dentro: (x: number, y: number, v3: boolean) => boolean;
  titulo: string;
  imagen: string;
}[] = [
  {
    dentro: (x, y) => x > 244 && x < 470 && y > 501 && y < 567,
    titulo: 'Detalles de la Alu',
    imagen: 'MAPAALU',
  },
  {
    dentro: (x, y) => x > 454 && x <= 560 && y >= 48 && y <= 288,
    titulo: 'Detalles de la Memoria',
    imagen: 'MAPAMEMORIA',
  },
  {
    dentro: (x, y, v3) =>
      (x >= 128 && x < 170 && ((y >= 48 && y < 160) || (y > 320 && y < 430))) ||
      (x >= 180 && x <= 208 && y >= 508 && y <= 541) ||
      (((x >= 230 && x <= 336) || (x >= 380 && x <= 486)) && y > 430 && y <= 468) ||
      (v3 && x > 11 && x < 73 && y > 240 && y < 266),
    titulo: 'Detalles Registro',
    imagen: 'MAPAREG',
  },
  {
    dentro: (x, y) => x > 227 && x < 268 && y > 77 && y < 118,
    titulo: 'Detalles Incrementador',
    imagen: 'MAPAINC',
  },
  {
    dentro: (x, y) => x > 197 && x < 268 && y >= 170 && y <= 288,
    titulo: 'Detalles Multiplexor',
    imagen: 'MAPAMUX',
  },
];

const esperaMs = (ms: number) => new Promise((r) => setTimeout(r, ms));
const siguienteCuadro = () => new Promise((r) => requestAnimationFrame(() => r(undefined)));

/** A window of the simulation; `ayuda` names its context-help text in the module's table. */
function panel(titulo: string, ayuda: string, ...hijos: Node[]): HTMLElement {
  return elemento('section', { class: 'panel', 'data-ayuda': ayuda }, elemento('h3', {}, titulo), ...hijos);
}

export class Simulador {
  private sim: Simulacion | null = null;
  private nombre = '';
  private ejecutable: Uint8Array | null = null;
  private foto: Foto | null = null;
  private ejecucion: EjecucionPorTramos | null = null;
  private controlElegido: ControlV1 = 'normal';
  velocidad: Velocidad = localStorage.getItem(CLAVE_VELOCIDAD) === 'rapida' ? 'rapida' : 'animada';

  readonly editor: EditorMicroprograma;
  private ruta: DiagramaRutaDatos;
  private uc: DiagramaUnidadControl;
  private memoria: VistaMemoria;
  private escena: HTMLElement;
  private vacia: HTMLElement;
  private barra: HTMLElement;
  private estado: HTMLElement;
  private tituloRuta = elemento('h3');
  private tituloUc = elemento('h3', {}, 'Unidad de control');
  private estadoUc = elemento('p', { class: 'estado-uc' });
  private registros = elemento('table', { class: 'tabla registros' });
  private cablesControl = elemento('table', { class: 'tabla cables-control' });
  private cablesMemoria = elemento('table', { class: 'tabla cables-memoria' });
  private contadores = elemento('table', { class: 'tabla contadores' });
  private vistaMicro = elemento('div', { class: 'vista-microprograma' });
  private panelMicro: HTMLElement;
  private botones = new Map<string, HTMLButtonElement>();
  private selectorVelocidad: HTMLSelectElement;

  private avisoBreakpoint = false;
  private readonly anfitrion: Anfitrion = {
    mensaje: (caja: Caja) => encolaCaja(caja),
    pregunta: (texto: string) => confirm(texto.replace(/\r\n/g, '\n')),
    avisoBreakpoint: () => (this.avisoBreakpoint = true),
  };

  constructor(
    raiz: HTMLElement,
    private readonly modulo: ModuloVelmo,
    private readonly dibujo: Dibujo,
    ejemplos: HTMLElement,
  ) {
    this.editor = new EditorMicroprograma(modulo, () => this.microprogramaCambiado());
    this.ruta = new DiagramaRutaDatos(dibujo);
    this.uc = new DiagramaUnidadControl(dibujo);
    this.memoria = new VistaMemoria((fila) => this.conmutaBreakpoint(fila));
    this.estado = elemento('p', { class: 'estado-simulacion', role: 'status' });

    this.barra = elemento('div', { class: 'barra', role: 'toolbar' });
    // Commands of the tool bar: id, caption, icon, hint (with the desktop's key) and action. "Cargar" is
    // always available; the others follow the simulation's state (actualizaOrdenes).
    // prettier-ignore
    const ordenes: [string, string, string, string, () => void][] = [
      ['cargar', 'Cargar', 'abrir_ejecutable', 'Cargar Ejecutable de Velmo (Ctrl+O)',
        () => void this.cargaEjecutable()],
      ['cerrar', 'Cerrar', 'cerrar', 'Cerrar', () => this.cierra()],
      ['ciclo', 'Ciclo', 'ciclo', 'Ejecuta 1 Ciclo (F6)', () => void this.ciclo()],
      ['instruccion', 'Instrucción', 'instruccion', 'Ejecuta 1 Instrucción (F7)',
        () => void this.corre('instrucciones', 1)],
      ['n', 'N instr.', 'ejecutar_n', 'Ejecuta N Instrucciones (Ctrl+F5)', () => void this.ejecutaN()],
      ['breakpoint', 'Hasta breakpoint', 'breakpoint', 'Ejecutar Hasta Breakpoint (F5)',
        () => void this.corre('breakpoint', 0)],
      ['ciclo-anterior', 'Ciclo ant.', 'ciclo_anterior', 'Ciclo anterior (Mayúsculas+F6)',
        () => this.atras('ciclo')],
      ['instruccion-anterior', 'Instr. ant.', 'instruccion_anterior', 'Instrucción anterior (Mayúsculas+F7)',
        () => this.atras('instruccion')],
      ['detener', 'Detener', 'cerrar', 'Detiene la ejecución en curso (Esc)', () => this.ejecucion?.detener()],
      ['reset', 'Reset', 'reset', 'Reset (Ctrl+F2)', () => void this.reset()],
      ['monitorizar', 'Monitorizar', 'monitorizar', 'Monitoriza señales (F8)', () => void this.monitoriza()],
      ['microprograma', 'Microprograma', 'microprograma', 'Detalles del Microprograma',
        () => void this.muestraMicroprograma()],
      ['alu', 'ALU', 'alu', 'Configuración de la ALU', () => void this.editor.configuraAlu()],
      ['csv', 'Traza CSV', 'guardar_traza', 'Guardar traza (CSV)', () => this.traza('csv')],
      ['vcd', 'Traza VCD', 'guardar_traza', 'Guardar traza (VCD)', () => this.traza('vcd')],
    ];
    for (const [id, texto, icono, ayuda, f] of ordenes) {
      const boton = elemento('button', { title: ayuda, 'data-orden': id });
      boton.append(
        elemento('img', { src: `imagenes/iconos/${icono}.svg`, alt: '' }),
        elemento('span', {}, texto),
      );
      boton.addEventListener('click', f);
      if (id !== 'cargar') this.botones.set(id, boton);
      this.barra.append(boton);
    }
    this.selectorVelocidad = elemento(
      'select',
      { title: 'Velocidad de las ejecuciones', 'aria-label': 'Velocidad' },
      elemento('option', { value: 'animada' }, 'Animada'),
      elemento('option', { value: 'rapida' }, 'Lo más rápido posible'),
    );
    this.selectorVelocidad.value = this.velocidad;
    this.selectorVelocidad.addEventListener('change', () => {
      this.velocidad = this.selectorVelocidad.value as Velocidad;
      localStorage.setItem(CLAVE_VELOCIDAD, this.velocidad);
    });
    this.barra.append(elemento('label', { class: 'velocidad' }, 'Velocidad ', this.selectorVelocidad));

    this.ruta.svg.addEventListener('click', (e) => this.pulsaRutaDatos(e));
    this.ruta.svg.addEventListener('contextmenu', (e) => this.menuRutaDatos(e));
    this.uc.svg.addEventListener('click', (e) => this.pulsaUnidadControl(e));
    this.panelMicro = panel('Microprograma', 'microprograma', this.vistaMicro);
    this.escena = elemento(
      'div',
      { class: 'escena', hidden: '' },
      elemento(
        'section',
        { class: 'panel ruta', 'data-ayuda': 'unidadProceso' },
        this.tituloRuta,
        this.ruta.svg,
      ),
      panel('Memoria', 'memoria', this.memoria.raiz),
      elemento(
        'div',
        { class: 'lateral' },
        elemento(
          'section',
          { class: 'panel uc', 'data-ayuda': 'unidadControl' },
          this.tituloUc,
          this.uc.svg,
          this.estadoUc,
        ),
        panel('EstadoDeEjecucion', 'estado', this.contadores),
        panel('Registros Ruta de Datos', 'registros', this.registros),
        panel('Cables Control', 'senalesControl', this.cablesControl),
        panel('Cables Memoria', 'senalesMemoria', this.cablesMemoria),
        this.panelMicro,
      ),
    );
    this.vacia = elemento(
      'div',
      { class: 'sin-simulacion' },
      elemento(
        'p',
        {},
        'No hay ninguna simulación abierta. Cargue un ejecutable (.vlx) o monte un fuente en el Montador.',
      ),
      ejemplos,
    );
    raiz.append(this.barra, this.vacia, this.escena, this.estado);
    this.actualizaOrdenes();
  }

  get abierta(): boolean {
    return this.sim !== null;
  }

  get ejecutando(): boolean {
    return this.ejecucion !== null;
  }

  /** Keyboard shortcuts of the simulation commands; true when the key was one of them. */
  tecla(e: KeyboardEvent): boolean {
    const orden = (() => {
      if (e.key === 'Escape' && this.ejecucion) return 'detener';
      if (e.ctrlKey && (e.key === 'o' || e.key === 'O')) return 'cargar';
      if (e.ctrlKey && e.key === 'F5') return 'n';
      if (e.ctrlKey && e.key === 'F2') return 'reset';
      if (e.ctrlKey || e.altKey) return null;
      if (e.key === 'F5') return 'breakpoint';
      if (e.key === 'F6') return e.shiftKey ? 'ciclo-anterior' : 'ciclo';
      if (e.key === 'F7') return e.shiftKey ? 'instruccion-anterior' : 'instruccion';
      if (e.key === 'F8') return 'monitorizar';
      return null;
    })();
    if (!orden) return false;
    e.preventDefault();
    const boton =
      orden === 'cargar'
        ? this.barra.querySelector<HTMLButtonElement>('[data-orden=cargar]')
        : this.botones.get(orden);
    if (boton && !boton.disabled) boton.click();
    return true;
  }

  private actualizaOrdenes() {
    const abierta = this.sim !== null;
    const corriendo = this.ejecucion !== null;
    const v3 = this.foto?.version === 3;
    const micro = this.foto?.control === 'microprogramado' || this.foto?.control === 'microprogramable';
    for (const [id, boton] of this.botones) {
      boton.disabled = id === 'detener' ? !corriendo : !abierta || corriendo;
      if (id === 'alu') boton.hidden = !v3;
      if (id === 'microprograma') boton.hidden = !micro;
    }
    this.escena.hidden = !abierta;
    this.vacia.hidden = abierta;
    document.body.dataset.simulacion = abierta ? (corriendo ? 'ejecutando' : 'parada') : 'cerrada';
  }

  private async cargaEjecutable() {
    const archivo = await abreArchivo([
      { descripcion: 'Ejecutables de Velmo (*.vlx)', extensiones: ['.vlx'] },
    ]);
    if (archivo) await this.abre(archivo.nombre, archivo.bytes, { interactiva: true });
  }

  private async eligeControl(): Promise<ControlV1> {
    let eleccion = this.controlElegido;
    await formulario(
      'Elige Control',
      (f) => {
        const grupo = elemento('fieldset', {}, elemento('legend', {}, ' Cableado '));
        grupo.append(
          radio('tipo', 'normal', 'Normal', eleccion !== 'optimizado'),
          radio('tipo', 'optimizado', 'Optimizado', eleccion === 'optimizado'),
        );
        const cableado = radio('clase', 'cableado', 'Control Cableado', eleccion !== 'microprogramado');
        const micro = radio('clase', 'micro', 'Control MicroProgramado', eleccion === 'microprogramado');
        f.append(cableado, grupo, micro);
        const lee = () => {
          const clase = (f.querySelector('input[name=clase]:checked') as HTMLInputElement).value;
          const tipo = (f.querySelector('input[name=tipo]:checked') as HTMLInputElement).value as ControlV1;
          eleccion = clase === 'micro' ? 'microprogramado' : tipo;
        };
        grupo.addEventListener('click', () => {
          (cableado.firstElementChild as HTMLInputElement).checked = true;
          lee();
        });
        f.addEventListener('change', lee);
      },
      false,
    );
    this.controlElegido = eleccion;
    return eleccion;
  }

  /**
   * Opens a simulation of `ejecutable`. The module tells the version only once the bytes are opened, so the
   * first opening is silent; the one the user sees follows the control-unit choice or the microprogram.
   */
  async abre(nombre: string, ejecutable: Uint8Array, opciones: OpcionesSimulacion): Promise<boolean> {
    this.cierra();
    const cajas: Caja[] = [];
    const silencioso: Anfitrion = { mensaje: (c) => cajas.push(c), pregunta: () => false };
    let version: number;
    try {
      const prueba = this.modulo.abrir({ nombre, ejecutable }, silencioso);
      const apertura = prueba.apertura();
      version = prueba.foto().version;
      prueba.libera();
      if (apertura !== 'correcto') {
        cajas.forEach(encolaCaja);
        await cajasPendientes();
        return false;
      }
    } catch (e) {
      encolaCaja({ texto: e instanceof Error ? e.message : String(e), titulo: 'Velmo', icono: 'error' });
      await cajasPendientes();
      return false;
    }
    let control: ControlV1 | undefined;
    if (version === 1)
      control = opciones.control ?? (opciones.interactiva ? await this.eligeControl() : 'normal');
    if (version === 3) {
      const mpr = opciones.microprograma ? await opciones.microprograma() : null;
      if (mpr) await this.editor.carga(`${nombre.replace(/\.vlx$/i, '')}.mpr`, mpr);
      else if (opciones.interactiva) await this.editor.muestra(true);
    }
    this.sim = this.modulo.abrir(
      {
        nombre,
        ejecutable,
        control,
        ...(version === 3 ? { microprograma: this.editor.filas, alu: this.editor.alu } : {}),
      },
      this.anfitrion,
    );
    this.sim.apertura();
    this.nombre = nombre;
    this.ejecutable = ejecutable;
    this.actualiza();
    this.actualizaOrdenes();
    this.ponEstado(`${nombre} abierto.`);
    await cajasPendientes();
    return true;
  }

  cierra() {
    // A run in progress stops looking at this simulation before it is freed (see corre).
    this.ejecucion?.detener();
    this.ejecucion = null;
    this.sim?.libera();
    this.sim = null;
    this.foto = null;
    this.actualizaOrdenes();
  }

  private async reset() {
    if (this.ejecutable) await this.abre(this.nombre, this.ejecutable, { interactiva: true });
  }

  private conmutaBreakpoint(fila: number): boolean {
    if (!this.sim || this.ejecucion) return false;
    this.avisoBreakpoint = false;
    this.sim.conmutaBreakpoint(fila);
    this.actualiza();
    return this.avisoBreakpoint;
  }

  /** The ALU choice counts at once; the microprogram, as on the desktop, from the next Reset. */
  private microprogramaCambiado() {
    if (!this.sim || this.foto?.version !== 3) return;
    this.sim.setMicroprograma(this.editor.filas);
    this.sim.setOpcionesAlu(this.editor.alu);
    this.actualiza();
  }

  /** Reads the state picture and repaints every panel. */
  actualiza() {
    if (!this.sim) return;
    const foto = this.sim.foto();
    this.foto = foto;
    this.memoria.pinta(foto.memoria, foto.filaActual);
    this.ruta.pinta(foto);
    this.uc.pinta(foto);
    this.tituloRuta.textContent = foto.captions[0] ?? 'UnidadProceso';
    this.tituloUc.textContent = foto.captions[1] ?? 'Unidad de control';
    const micro = foto.control === 'microprogramado' || foto.control === 'microprogramable';
    this.estadoUc.textContent = micro
      ? `Microinstrucción: ${foto.filaMicroprograma}`
      : `Estado: s${foto.estado}`;
    const registros = [...foto.registros];
    // The core's table has RegAux already once the machine has shown it; the page adds it only if missing.
    if (foto.version === 3 && !registros.some((r) => r.nombre === 'RegAux'))
      registros.push({ nombre: 'RegAux', valor: foto.regAux.toString(2).padStart(7, '0') });
    this.registros.replaceChildren(
      ...registros.map((r) => elemento('tr', {}, elemento('th', {}, r.nombre), elemento('td', {}, r.valor))),
    );
    this.cablesMemoria.replaceChildren(
      ...foto.senalesMemoria.map((r) =>
        elemento('tr', {}, elemento('th', {}, r.nombre), elemento('td', {}, r.valor.trim())),
      ),
    );
    const control = foto.senalesControl;
    const filas: HTMLTableRowElement[] = [];
    for (let i = 0; i < control.length; i += 5) {
      const grupo = control.slice(i, i + 5);
      filas.push(elemento('tr', {}, ...grupo.map((c) => elemento('th', {}, c.nombre))));
      filas.push(elemento('tr', {}, ...grupo.map((c) => elemento('td', {}, c.valor))));
    }
    this.cablesControl.replaceChildren(...filas);
    this.contadores.replaceChildren(
      elemento(
        'tr',
        {},
        elemento('th', {}, 'Nº Ciclos: '),
        elemento('td', { 'data-contador': 'ciclos' }, String(foto.ciclos)),
      ),
      elemento(
        'tr',
        {},
        elemento('th', {}, 'Nº Instrucciones:'),
        elemento('td', { 'data-contador': 'instrucciones' }, String(Math.max(0, foto.instrucciones))),
      ),
    );
    this.panelMicro.hidden = !micro;
    if (micro) {
      this.vistaMicro.replaceChildren(
        tablaMicroprograma(
          this.modulo,
          foto.control === 'microprogramable' ? this.editor.filas : null,
          foto.filaMicroprograma,
        ),
      );
    }
  }

  private ponEstado(texto: string) {
    this.estado.textContent = texto;
  }

  private informa(r: ResultadoEjecucion, atras: 'ciclo' | 'instruccion' | null = null) {
    const cuenta = atras
      ? `Ciclos deshechos: ${r.ciclos}; instrucciones deshechas: ${r.instrucciones}.`
      : `Ciclos ejecutados: ${r.ciclos}; instrucciones completadas: ${r.instrucciones}.`;
    const motivo: Record<string, string> = {
      breakpoint: `Punto de ruptura alcanzado en la dirección ${this.foto?.filaActual ?? ''}.`,
      detenidaPorUsuario: 'Ejecución detenida.',
      nadaQueDeshacer:
        atras === 'ciclo'
          ? 'No hay ciclos anteriores que deshacer'
          : 'No hay instrucciones anteriores que deshacer',
    };
    this.ponEstado([r.error || motivo[r.fin] || '', cuenta].filter(Boolean).join(' '));
  }

  private async ciclo() {
    if (!this.sim || this.ejecucion) return;
    const r = this.sim.ciclo();
    this.actualiza();
    this.informa(r);
    if (this.velocidad === 'animada') await this.uc.destello(PAUSA_CICLO_MS);
    await cajasPendientes();
  }

  private atras(que: 'ciclo' | 'instruccion') {
    if (!this.sim || this.ejecucion) return;
    const r = que === 'ciclo' ? this.sim.cicloAnterior() : this.sim.instruccionAnterior();
    this.actualiza();
    this.informa(r, que);
  }

  /**
   * A run sliced by the module: animated, one cycle per slice with the clock flash; fast, as many cycles as fit
   * in a frame, the panels repainted once per frame.
   */
  async corre(
    tipo: 'ciclos' | 'instrucciones' | 'breakpoint',
    n: number,
    velocidad = this.velocidad,
  ): Promise<ResultadoEjecucion | null> {
    if (!this.sim || this.ejecucion) return null;
    const tramo = this.sim.porTramos(tipo, n);
    this.ejecucion = tramo;
    this.actualizaOrdenes();
    let r: ResultadoEjecucion | null = null;
    try {
      // After every wait the run may have been replaced: the simulation closed, reset or opened anew.
      const sigue = () => this.ejecucion === tramo;
      if (velocidad === 'animada') {
        while (!(r = tramo.avanza(1))) {
          this.actualiza();
          await this.uc.destello(PAUSA_CICLO_MS);
          if (!this.foto?.control.startsWith('micro')) await siguienteCuadro();
          else await esperaMs(PAUSA_CICLO_MS);
          if (!sigue()) return null;
        }
      } else {
        let lote = 256;
        for (;;) {
          const inicio = performance.now();
          while (!(r = tramo.avanza(lote)) && performance.now() - inicio < 12) {
            /* more slices within this frame */
          }
          if (performance.now() - inicio < 6) lote *= 2;
          if (r) break;
          this.actualiza();
          await siguienteCuadro();
          if (!sigue()) return null;
        }
      }
    } finally {
      if (this.ejecucion === tramo) this.ejecucion = null;
    }
    this.actualiza();
    this.actualizaOrdenes();
    this.informa(r!);
    await cajasPendientes();
    return r;
  }

  private async ejecutaN() {
    let n = 0;
    const aceptado = await formulario('Ejecuta N Instrucciones', (f) => {
      const campo = elemento('input', {
        type: 'text',
        inputmode: 'numeric',
        value: '0',
        'aria-label': 'Número de instrucciones',
      });
      campo.addEventListener('beforeinput', (e) => {
        if (e.data && /\D/.test(e.data)) e.preventDefault();
      });
      campo.addEventListener('input', () => (n = campo.value === '' ? 0 : Number(campo.value)));
      f.append(elemento('p', {}, 'Introduce el número de instrucciones a ejecutar:'), campo);
    });
    if (aceptado && n > 0) await this.corre('instrucciones', n);
  }

  private async monitoriza() {
    const eleccion = new Map([...this.ruta.sondas].map(([i, s]) => [i, { ...s }]));
    const aceptado = await formulario('Monitorización', (f) => {
      f.append(elemento('p', {}, 'Cables a monitorizar:'));
      for (const [i, s] of eleccion) {
        const nombre = this.dibujo.cablesUP[i]?.nombre ?? String(i);
        const marca = elemento('input', { type: 'checkbox' });
        marca.checked = s.activa;
        marca.addEventListener('change', () => (s.activa = marca.checked));
        const grupo = elemento('span', { class: 'formatos' });
        for (const [valor, texto] of [
          ['bin', 'Bin'],
          ['hex', 'Hex'],
          ['int', 'Int'],
        ])
          grupo.append(radio(`formato-${i}`, valor, texto, s.formato === valor));
        grupo.addEventListener(
          'change',
          (e) => (s.formato = (e.target as HTMLInputElement).value as Formato),
        );
        f.append(
          elemento(
            'div',
            { class: 'fila-sonda' },
            elemento('label', {}, marca, ' ', titulosSonda[nombre] ?? nombre),
            grupo,
          ),
        );
      }
    });
    if (!aceptado) return;
    for (const [i, s] of eleccion) this.ruta.sondas.set(i, s);
    this.actualiza();
  }

  private async muestraMicroprograma() {
    const foto = this.foto;
    if (!foto) return;
    if (foto.control === 'microprogramable') {
      await this.editor.muestra(false);
      return;
    }
    ventanaInformativa(
      'Microprograma',
      tablaMicroprograma(this.modulo, null, foto.filaMicroprograma),
      'Cerrar',
      'ancha',
    );
  }

  private coordenadas(svg: SVGSVGElement, e: MouseEvent): [number, number] {
    const caja = svg.getBoundingClientRect();
    const vista = svg.viewBox.baseVal;
    return [
      ((e.clientX - caja.left) * vista.width) / caja.width,
      ((e.clientY - caja.top) * vista.height) / caja.height,
    ];
  }

  private pulsaRutaDatos(e: MouseEvent) {
    if (document.body.classList.contains('modo-ayuda')) return;
    const [x, y] = this.coordenadas(this.ruta.svg, e);
    const v3 = this.foto?.version === 3;
    const zona = zonasRutaDatos.find((z) => z.dentro(x, y, v3));
    if (!zona) return;
    const imagen = zona.imagen === 'MAPAALU' && v3 ? 'MAPAALUCONFIG' : zona.imagen;
    ventanaInformativa(
      zona.titulo,
      elemento('img', { src: `imagenes/${imagen}.svg`, alt: zona.titulo, class: 'mapa' }),
    );
  }

  /** The datapath's pop-up menu: the simulator's manual and the monitor dialog. */
  private menuRutaDatos(e: MouseEvent) {
    e.preventDefault();
    const menu = elemento('div', { class: 'desplegable menu-contextual', role: 'menu' });
    const opcion = (texto: string, f: () => void) => {
      const b = elemento('button', { role: 'menuitem' }, texto);
      b.addEventListener('click', () => {
        menu.remove();
        f();
      });
      menu.append(b);
    };
    opcion('Ayuda...', () => abreAyuda('simulador.html'));
    opcion('Monitorizar...', () => void this.monitoriza());
    menu.style.left = `${Math.min(e.clientX, innerWidth - 230)}px`;
    menu.style.top = `${e.clientY}px`;
    document.body.append(menu);
    (menu.firstElementChild as HTMLElement).focus();
    const cierra = (ev: Event) => {
      if (!menu.contains(ev.target as Node)) menu.remove();
    };
    setTimeout(() => document.addEventListener('pointerdown', cierra, { once: true }));
    menu.addEventListener('keydown', (ev) => ev.key === 'Escape' && menu.remove());
  }

  private pulsaUnidadControl(e: MouseEvent) {
    const foto = this.foto;
    if (!foto || document.body.classList.contains('modo-ayuda')) return;
    const [x, y] = this.coordenadas(this.uc.svg, e);
    const micro = foto.control === 'microprogramado' || foto.control === 'microprogramable';
    if (micro) {
      if (x > 35 && x < 125 && y > 144 && y < 195) {
        ventanaInformativa(
          'Secuenciador',
          elemento('img', { src: 'imagenes/MAPASECU.svg', alt: 'Secuenciador', class: 'mapa' }),
        );
      } else if (x >= 96 && x < 300 && y > 10 && y < 110) void this.muestraMicroprograma();
      return;
    }
    if (x > 97 && x < 285 && y > 15 && y < 105) {
      const mapa = this.dibujo.unidadesControl.find((u) => u.control === foto.control)?.mapaEstados;
      if (mapa) ventanaInformativa(mapa.titulo, mapaEstados(mapa));
    }
  }

  private traza(formato: 'csv' | 'vcd') {
    if (!this.sim) return;
    const base = this.nombre.replace(/\.vlx$/i, '');
    descarga(
      `${base}.${formato}`,
      formato === 'csv' ? this.sim.trazaCsv() : this.sim.trazaVcd(),
      'text/plain',
    );
  }
}

/** A hard-wired unit's state diagram as the desktop shows it: its outputs per state above (or beside, for the
 *  optimized unit) the picture. */
function mapaEstados(mapa: MapaEstados): HTMLElement {
  const estados = mapa.salidas[0]?.valores.length ?? 0;
  const cabecera = elemento('tr', {}, elemento('th'));
  for (let e = 0; e < estados; e++) cabecera.append(elemento('th', {}, `s${e}`));
  const tabla = elemento('table', { class: 'salidas-estados' }, elemento('thead', {}, cabecera));
  const cuerpo = elemento('tbody');
  for (const fila of mapa.salidas) {
    const tr = elemento('tr', {}, elemento('th', {}, fila.nombre));
    for (const valor of fila.valores) tr.append(elemento('td', {}, valor));
    cuerpo.append(tr);
  }
  tabla.append(cuerpo);
  // The optimized unit's short list (7 states) sits beside its picture, the 12-state ones above it.
  return elemento(
    'div',
    { class: estados < 10 ? 'mapa-estados lado' : 'mapa-estados' },
    tabla,
    elemento('img', { src: `imagenes/${mapa.imagen}`, alt: mapa.titulo, class: 'mapa grande' }),
  );
}
