// The memory view: 128 rows, the current row yellow, breakpoint rows red, toggled by a click or a key.
import type { FilaMemoria } from './modulo';
import { elemento, formulario } from './dialogos';

const gutter = [
  '',
  'imagenes/gutter/actual.svg',
  'imagenes/gutter/actual_breakpoint.svg',
  'imagenes/gutter/breakpoint.svg',
];
const CLAVE_SIN_AVISO = 'velmo.noInfoBreakpoint';

export class VistaMemoria {
  readonly raiz: HTMLElement;
  private filas: HTMLTableRowElement[] = [];
  private anteriores: (FilaMemoria | null)[] = [];
  private actual = -1;

  /** `conmuta` toggles a row's breakpoint and tells whether the breakpoint notice is due. */
  constructor(private readonly conmuta: (fila: number) => boolean) {
    const cuerpo = elemento('tbody');
    for (let r = 0; r < 128; r++) {
      const fila = elemento('tr', { 'data-fila': String(r), tabindex: '-1' });
      const imagen = elemento('img', { alt: '' });
      fila.append(elemento('td', { class: 'gutter' }, imagen));
      for (let c = 1; c < 5; c++) fila.append(elemento('td'));
      cuerpo.append(fila);
      this.filas.push(fila);
      this.anteriores.push(null);
    }
    const tabla = elemento('table', { class: 'tabla-memoria' }, cuerpo);
    this.raiz = elemento('div', { class: 'memoria', tabindex: '0', 'aria-label': 'Memoria' }, tabla);
    cuerpo.addEventListener('click', (e) => {
      const fila = (e.target as HTMLElement).closest('tr');
      if (fila) void this.pulsa(Number(fila.dataset.fila));
    });
    this.raiz.addEventListener('keydown', (e) => {
      const foco = Number((document.activeElement as HTMLElement | null)?.dataset.fila ?? this.actual);
      if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
        e.preventDefault();
        const r = Math.max(0, Math.min(127, foco + (e.key === 'ArrowDown' ? 1 : -1)));
        this.filas[r].focus();
      } else if (e.key === ' ' || e.key === 'Enter') {
        e.preventDefault();
        void this.pulsa(Math.max(0, foco));
      }
    });
  }

  private async pulsa(r: number) {
    const puesto = this.conmuta(r);
    this.filas[r].focus({ preventScroll: true });
    if (puesto && localStorage.getItem(CLAVE_SIN_AVISO) !== 'true') {
      let sinAviso = false;
      await formulario(
        'Velmo',
        (f) => {
          const marca = elemento('input', { type: 'checkbox', id: 'sin-aviso' });
          marca.addEventListener('change', () => (sinAviso = marca.checked));
          f.append(
            elemento(
              'p',
              { class: 'con-icono informacion' },
              'Acaba de poner un punto de ruptura (breakpoint) en el programa. ',
            ),
            elemento('label', {}, marca, ' No volver a mostrar este aviso'),
          );
        },
        false,
      );
      localStorage.setItem(CLAVE_SIN_AVISO, String(sinAviso));
    }
  }

  pinta(memoria: FilaMemoria[], filaActual: number) {
    memoria.forEach((m, r) => {
      const antes = this.anteriores[r];
      if (
        antes &&
        antes.imagen === m.imagen &&
        antes.breakpoint === m.breakpoint &&
        antes.valor === m.valor &&
        antes.textos.every((t, i) => t === m.textos[i]) &&
        (r === filaActual) === (r === this.actual)
      )
        return;
      const fila = this.filas[r];
      fila.className = r === filaActual ? 'actual' : m.breakpoint ? 'breakpoint' : '';
      const celdas = fila.cells;
      const img = celdas[0].firstElementChild as HTMLImageElement;
      if (m.imagen) img.src = gutter[m.imagen];
      img.hidden = !m.imagen;
      for (let c = 0; c < 4; c++) celdas[c + 1].textContent = m.textos[c];
      this.anteriores[r] = m;
    });
    this.actual = filaActual;
    this.muestraFila(filaActual);
  }

  /** Keeps the current row in view: scrolls only when it lies outside, to its first or last visible place. */
  private muestraFila(r: number) {
    const fila = this.filas[r];
    const caja = this.raiz;
    if (!fila || caja.clientHeight === 0) return;
    const arriba = fila.offsetTop;
    const abajo = arriba + fila.offsetHeight;
    if (arriba < caja.scrollTop) caja.scrollTop = arriba;
    else if (abajo > caja.scrollTop + caja.clientHeight) caja.scrollTop = abajo - caja.clientHeight;
  }

  fila(r: number): HTMLTableRowElement {
    return this.filas[r];
  }
}
