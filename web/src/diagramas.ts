// The datapath and control-unit pictures: the SVG pictures of the desktop with the wires of the last cycle
// drawn over them, from the drawing tables of the module.
import type { Dibujo, Foto, TipoControl } from './modulo';

const SVG = 'http://www.w3.org/2000/svg';

function nodo<K extends keyof SVGElementTagNameMap>(
  etiqueta: K,
  atributos: Record<string, string | number> = {},
) {
  const e = document.createElementNS(SVG, etiqueta);
  for (const [clave, valor] of Object.entries(atributos)) e.setAttribute(clave, String(valor));
  return e;
}

const aPuntos = (puntos: [number, number][]) => puntos.map(([x, y]) => `${x},${y}`).join(' ');

/** Colours of the desktop's diagrams, by their names in the module's table. */
export function colores(dibujo: Dibujo) {
  const c = (clave: string, porDefecto: string) => dibujo.colores[clave] ?? porDefecto;
  return {
    cable: c('cableActivo', '#ff3300'),
    reloj: c('reloj', '#ffff00'),
    probe: c('cajaSonda', '#ffffe1'),
    azul: c('cableInactivo', '#0066cc'),
    cielo: c('fondo', '#a6caf0'),
    filaActual: c('filaActual', '#ffff00'),
    breakpoint: c('breakpoint', '#ff0000'),
  };
}

export type Formato = 'bin' | 'hex' | 'int';
export interface Sonda {
  activa: boolean;
  formato: Formato;
}

function textoSonda(formato: Formato, valor: number, bits: number): string {
  const v = valor & 0xffff;
  if (formato === 'hex')
    return (
      '0x' +
      v
        .toString(16)
        .toUpperCase()
        .padStart(bits >> 2, '0')
    );
  if (formato === 'int') return String(v);
  return v.toString(2).padStart(bits, '0').slice(-bits);
}

/** The datapath picture ("UnidadProceso"). */
export class DiagramaRutaDatos {
  readonly svg: SVGSVGElement;
  private capa: SVGGElement;
  readonly sondas: Map<number, Sonda> = new Map();
  private readonly colores;

  constructor(private readonly dibujo: Dibujo) {
    this.colores = colores(dibujo);
    this.svg = nodo('svg', { class: 'ruta-datos', role: 'img', preserveAspectRatio: 'xMidYMin meet' });
    this.svg.setAttribute('aria-label', 'Unidad de proceso');
    this.svg.setAttribute('viewBox', `0 0 ${dibujo.anchoUP} ${dibujo.altoUP}`);
    this.svg.append(
      nodo('image', { href: `imagenes/${dibujo.imagenUP}`, width: dibujo.anchoUP, height: dibujo.altoUP }),
    );
    this.capa = nodo('g', { fill: 'none', 'stroke-width': 2, 'shape-rendering': 'crispEdges' });
    this.svg.append(this.capa);
    for (const s of dibujo.sondas) this.sondas.set(s.senal, { activa: false, formato: 'bin' });
  }

  pinta(foto: Foto) {
    const c = this.colores;
    const capa = nodo('g', { fill: 'none', 'stroke-width': 2, 'shape-rendering': 'crispEdges' });
    const sondas = new Map(this.dibujo.sondas.map((s) => [s.senal, s]));
    this.dibujo.cablesUP.forEach((cable, i) => {
      const senal = foto.senales[i];
      if (senal?.activa) {
        capa.append(
          nodo('polyline', { points: aPuntos(cable.puntos), stroke: c.cable, 'data-senal': cable.nombre }),
        );
      }
      const sonda = sondas.get(i);
      const eleccion = this.sondas.get(i);
      if (sonda && eleccion?.activa && senal) {
        const bits = cable.bits;
        const texto = textoSonda(eleccion.formato, senal.valor, bits);
        const [x, y] = sonda.caja;
        capa.append(
          nodo('line', {
            x1: sonda.origen[0],
            y1: sonda.origen[1],
            x2: sonda.destino[0],
            y2: sonda.destino[1],
            stroke: '#000',
            'stroke-width': 1,
          }),
          nodo('rect', {
            x,
            y,
            width: texto.length * 6 + 8,
            height: 15,
            fill: c.probe,
            stroke: '#000',
            'stroke-width': 1,
          }),
        );
        const t = nodo('text', { x: x + 4, y: y + 12, class: 'texto-sonda', fill: '#000', stroke: 'none' });
        t.textContent = texto;
        capa.append(t);
      }
    });
    if (foto.version === 2) this.marcaVersion2(capa);
    if (foto.version === 3) this.marcaVersion3(capa, foto);
    this.capa.replaceWith(capa);
    this.capa = capa;
  }

  /** The wider opcode field of the modified machine. */
  private marcaVersion2(capa: SVGGElement) {
    const azul = this.colores.azul;
    capa.append(
      nodo('polyline', { points: '128,406 69,406', stroke: azul }),
      nodo('polyline', { points: '92,401 92,410', stroke: azul }),
    );
    const t = nodo('text', { x: 3, y: 408, class: 'texto-diagrama', fill: azul, stroke: 'none' });
    t.textContent = 'COP Ext. 2bits';
    capa.append(t);
  }

  /** The 7-bit jump field and the auxiliary register of the configurable machine, with its value. */
  private marcaVersion3(capa: SVGGElement, foto: Foto) {
    const c = this.colores;
    const texto = (x: number, y: number, s: string, clase = 'texto-diagrama negrita') => {
      const t = nodo('text', { x, y, class: clase, fill: '#000', stroke: 'none' });
      t.textContent = s;
      capa.append(t);
    };
    capa.append(nodo('rect', { x: 90, y: 200, width: 84, height: 20, fill: c.cielo, stroke: c.cielo }));
    texto(140, 212, '7 bits');
    capa.append(
      nodo('rect', {
        x: 12,
        y: 240,
        width: 63,
        height: 30,
        fill: '#c0c0c0',
        stroke: '#808080',
        'stroke-width': 1,
        class: 'regaux',
      }),
      nodo('polyline', { points: '11,239 75,239', stroke: '#fff', 'stroke-width': 1 }),
      nodo('polyline', { points: '73,240 73,269', stroke: '#fff', 'stroke-width': 1 }),
    );
    texto(20, 256, 'REGAUX');
    texto(16, 267, String(foto.regAux), 'texto-diagrama valor-regaux');
    const entrada = foto.regAuxActivo ? c.cable : c.azul;
    const salida = foto.regAuxLeido ? c.cable : c.azul;
    capa.append(
      nodo('polyline', {
        points: '235,380 235,316 38,316 38,276',
        stroke: entrada,
        'data-senal': 'RegAuxEntrada',
      }),
      nodo('polygon', { points: '35,276 41,276 38,270', fill: entrada, stroke: entrada, 'stroke-width': 1 }),
      nodo('polyline', { points: '38,238 38,215 182,215', stroke: salida, 'data-senal': 'RegAuxSalida' }),
    );
  }
}

/** The control-unit picture of the simulation's control kind, with its lines and the clock flash. */
export class DiagramaUnidadControl {
  readonly svg: SVGSVGElement;
  private capa: SVGGElement;
  private reloj: SVGPolylineElement | null = null;
  private readonly colores;

  private imagen: SVGImageElement;

  constructor(private readonly dibujo: Dibujo) {
    this.colores = colores(dibujo);
    this.svg = nodo('svg', { viewBox: '0 0 325 228', class: 'unidad-control', role: 'img' });
    this.imagen = nodo('image');
    this.capa = nodo('g');
    this.svg.append(this.imagen, this.capa);
  }

  private unidad(control: TipoControl) {
    return this.dibujo.unidadesControl.find((u) => u.control === control) ?? this.dibujo.unidadesControl[0];
  }

  pinta(foto: Foto) {
    const u = this.unidad(foto.control);
    this.svg.setAttribute('viewBox', `0 0 ${u.ancho} ${u.alto}`);
    this.svg.setAttribute('aria-label', `Unidad de control (${foto.control})`);
    // The picture stays from cycle to cycle; only a change of control kind loads another.
    const href = `imagenes/${u.imagen}`;
    if (this.imagen.getAttribute('href') !== href) {
      for (const [k, v] of Object.entries({ href, width: u.ancho, height: u.alto }))
        this.imagen.setAttribute(k, String(v));
    }
    const capa = nodo('g', { fill: 'none', 'stroke-width': 2, 'shape-rendering': 'crispEdges' });
    u.cables.forEach((puntos, i) => {
      if (foto.cablesControl[i] ?? true)
        capa.append(nodo('polyline', { points: aPuntos(puntos), stroke: this.colores.cable }));
    });
    // The hard-wired units' clock line (their third line) flashes yellow at the end of each cycle.
    this.reloj =
      foto.control === 'microprogramado' || foto.control === 'microprogramable'
        ? null
        : nodo('polyline', {
            points: aPuntos(u.cables[2] ?? []),
            stroke: this.colores.reloj,
            visibility: 'hidden',
            class: 'reloj',
          });
    if (this.reloj) capa.append(this.reloj);
    this.capa.replaceWith(capa);
    this.capa = capa;
  }

  /** Shows the clock flash for `ms` milliseconds. */
  destello(ms: number): Promise<void> {
    const reloj = this.reloj;
    if (!reloj) return Promise.resolve();
    reloj.setAttribute('visibility', 'visible');
    return new Promise((r) =>
      setTimeout(() => {
        reloj.setAttribute('visibility', 'hidden');
        r();
      }, ms),
    );
  }
}
