// Microprograms: the view of the control unit's microinstructions, the version-3 editor with its .mpr files,
// and the ALU configuration. The file format and its checks are the module's.
import type { Microinstruccion, ModuloVelmo } from './modulo';
import { abreArchivo, guardaArchivo, type TipoArchivo } from './archivos';
import { elemento, formulario, muestraCaja, radio } from './dialogos';

const tiposMpr: TipoArchivo[] = [{ descripcion: 'Microprogramas de Velmo', extensiones: ['.mpr'] }];
const bin = (v: number, n: number) => v.toString(2).padStart(n, '0').slice(-n);

type Campo = keyof Microinstruccion;
/** Editor columns: field and width in bits (the cell dialog). */
const columnasEditor: [string, Campo, number][] = [
  ['Mx10', 'MX10', 2],
  ['Alu10', 'ALU10', 2],
  ['L/E', 'LorWmem', 1],
  ['pPc', 'pPc', 1],
  ['pIR', 'pIr', 1],
  ['pA', 'pA', 1],
  ['pB', 'pB', 1],
  ['pFZ', 'pFz', 1],
  ['Salto', 'Salto', 4],
  ['Test', 'Test', 3],
  ['pAux', 'pAux', 1],
];
const textoCelda = (m: Microinstruccion, campo: Campo, bits: number) =>
  bits > 1 ? bin(m[campo], bits) : String(m[campo]);

/** The "Microprograma" view: the fixed microprogram, or the user's for the configurable machine; the current
 *  row on yellow. */
export function tablaMicroprograma(
  modulo: ModuloVelmo,
  configurable: Microinstruccion[] | null,
  filaActual: number,
): HTMLElement {
  const { cabecera, filas } = modulo.celdasMicroprograma(configurable !== null, configurable ?? undefined);
  return elemento(
    'table',
    { class: 'tabla-microprograma' },
    elemento('thead', {}, elemento('tr', {}, ...cabecera.map((c) => elemento('th', {}, c)))),
    elemento(
      'tbody',
      {},
      ...filas.map(([numero, ...celdas], n) =>
        elemento(
          'tr',
          n === filaActual ? { class: 'actual' } : {},
          elemento('th', {}, numero.trim()),
          ...celdas.map((t) => elemento('td', {}, t.trim())),
        ),
      ),
    ),
  );
}

const opcionesAlu: [string, string[]][] = [
  [" Código de operación '00' ", ["'+'", 'MUL', 'SHR', 'AND']],
  [" Código de operación '01' ", ['XOR ', 'DIV', 'SHL', 'OR']],
  [" Código de operación '10' ", ["'Reg B'", "'Reg A'", 'MOD']],
  [" Código de operación '11' ", ["'0'", "'1'", "'NOT'"]],
];

/** The microprogram editor of the version-3 machine and the ALU configuration; both keep their state. */
export class EditorMicroprograma {
  filas: Microinstruccion[];
  alu: [number, number, number, number] = [0, 0, 0, 0];
  nombre = 'SinNombre';
  modificado = false;
  private ultimaEleccion = new Map<number, number>();

  constructor(
    private readonly modulo: ModuloVelmo,
    private readonly alCambiar: () => void,
  ) {
    this.filas = modulo.microprogramaInicial();
  }

  /** Reads .mpr bytes; a refused file leaves the microprogram as it was and shows the desktop's box. */
  async carga(nombre: string, bytes: Uint8Array): Promise<boolean> {
    const lectura = this.modulo.leeMicroprograma(bytes, nombre);
    if (lectura.estado !== 'correcto') {
      // An incomplete file still gives the rows read before the fault, which the editor keeps.
      if (lectura.microprograma.length)
        this.filas = lectura.microprograma.concat(this.filas.slice(lectura.microprograma.length));
      await muestraCaja({ texto: lectura.mensaje, titulo: 'Velmo', icono: 'aviso' });
      return false;
    }
    this.filas = lectura.microprograma;
    this.nombre = nombre;
    this.modificado = false;
    return true;
  }

  async configuraAlu() {
    const eleccion = [...this.alu] as [number, number, number, number];
    await formulario(
      'Configuración de la ALU',
      (f) => {
        opcionesAlu.forEach(([titulo, opciones], g) => {
          const grupo = elemento('fieldset', {}, elemento('legend', {}, titulo));
          opciones.forEach((o, i) => grupo.append(radio(`alu${g}`, String(i), o, eleccion[g] === i)));
          grupo.addEventListener(
            'change',
            (e) => (eleccion[g] = Number((e.target as HTMLInputElement).value)),
          );
          f.append(grupo);
        });
      },
      false,
    );
    this.alu = eleccion;
    this.alCambiar();
  }

  private async eligeBits(bits: number): Promise<number | null> {
    let eleccion = this.ultimaEleccion.get(bits) ?? 0;
    const aceptado = await formulario(`Celda de ${bits} bit${bits > 1 ? 's' : ''}`, (f) => {
      const grupo = elemento(
        'fieldset',
        { class: `bits-${bits}` },
        elemento('legend', {}, bits === 3 ? 'Valor binario' : ' Valor binario '),
      );
      for (let v = 0; v < 1 << bits; v++)
        grupo.append(radio('bits', String(v), `'${bin(v, bits)}'`, v === eleccion));
      grupo.addEventListener('change', (e) => (eleccion = Number((e.target as HTMLInputElement).value)));
      f.append(grupo);
    });
    if (!aceptado) return null;
    this.ultimaEleccion.set(bits, eleccion);
    return eleccion;
  }

  /** Shows the editor; resolves when it is closed ("&Simular" or the close button). */
  muestra(conSimular: boolean): Promise<void> {
    return new Promise((resolver) => {
      const dialogo = elemento('dialog', { class: 'ventana ancha editor-microprograma' });
      const titulo = elemento('h2');
      const ponTitulo = () => (titulo.textContent = `Microprograma - [${this.nombre}]`);
      const cuerpo = elemento('tbody');
      const pintaFilas = () =>
        cuerpo.replaceChildren(
          ...this.filas.map((m, n) =>
            elemento(
              'tr',
              {},
              elemento('th', {}, String(n)),
              ...columnasEditor.map(([, campo, bits]) => {
                const td = elemento('td', { tabindex: '0', 'data-campo': campo }, textoCelda(m, campo, bits));
                const edita = async () => {
                  const v = await this.eligeBits(bits);
                  if (v === null) return;
                  this.filas[n] = { ...this.filas[n], [campo]: v };
                  this.modificado = true;
                  pintaFilas();
                  this.alCambiar();
                };
                td.addEventListener('click', edita);
                td.addEventListener(
                  'keydown',
                  (e) => (e.key === 'Enter' || e.key === ' ') && (e.preventDefault(), void edita()),
                );
                return td;
              }),
            ),
          ),
        );
      const tabla = elemento(
        'table',
        { class: 'tabla-editor' },
        elemento(
          'thead',
          {},
          elemento(
            'tr',
            {},
            elemento('th', {}, 'Núm.'),
            ...columnasEditor.map(([c]) => elemento('th', {}, c)),
          ),
        ),
        cuerpo,
      );
      const boton = (texto: string, f: () => void) => {
        const b = elemento('button', {}, texto);
        b.addEventListener('click', f);
        return b;
      };
      const guarda = async () => {
        const asa = await guardaArchivo(
          this.nombre === 'SinNombre' ? 'microprograma.mpr' : this.nombre,
          this.modulo.escribeMicroprograma(this.filas),
          tiposMpr,
        );
        if (asa === undefined) return;
        if (asa) this.nombre = asa.name;
        this.modificado = false;
        ponTitulo();
      };
      const cierra = async () => {
        if (this.modificado) {
          const respuesta = await preguntaSiNoCancelar('El microprograma ha cambiado. ¿Desea guardarlo?');
          if (respuesta === 'cancelar') return;
          if (respuesta === 'si') await guarda();
        }
        dialogo.close();
      };
      const botones = elemento(
        'div',
        { class: 'botones' },
        ...(conSimular ? [boton('Simular', () => void cierra())] : []),
        boton('Configurar Alu...', () => void this.configuraAlu()),
        boton('Abrir...', async () => {
          const archivo = await abreArchivo(tiposMpr);
          if (archivo) await this.carga(archivo.nombre, archivo.bytes);
          pintaFilas();
          ponTitulo();
          this.alCambiar();
        }),
        boton('Guardar Como...', () => void guarda()),
        ...(conSimular ? [] : [boton('Cerrar', () => void cierra())]),
      );
      dialogo.append(titulo, elemento('div', { class: 'cuerpo' }, tabla), botones);
      dialogo.addEventListener('cancel', (e) => {
        e.preventDefault();
        void cierra();
      });
      dialogo.addEventListener('close', () => {
        dialogo.remove();
        resolver();
      });
      ponTitulo();
      pintaFilas();
      document.body.append(dialogo);
      dialogo.showModal();
    });
  }
}

function preguntaSiNoCancelar(texto: string): Promise<'si' | 'no' | 'cancelar'> {
  return new Promise((resolver) => {
    const dialogo = elemento('dialog', { class: 'ventana caja' });
    let respuesta: 'si' | 'no' | 'cancelar' = 'cancelar';
    const boton = (t: string, r: typeof respuesta) => {
      const b = elemento('button', {}, t);
      b.addEventListener('click', () => {
        respuesta = r;
        dialogo.close();
      });
      return b;
    };
    dialogo.append(
      elemento('h2', {}, 'Velmo'),
      elemento(
        'div',
        { class: 'cuerpo' },
        elemento('span', { class: 'icono pregunta' }, '?'),
        elemento('p', {}, texto),
      ),
      elemento(
        'div',
        { class: 'botones' },
        boton('Sí', 'si'),
        boton('No', 'no'),
        boton('Cancelar', 'cancelar'),
      ),
    );
    dialogo.addEventListener('close', () => {
      dialogo.remove();
      resolver(respuesta);
    });
    document.body.append(dialogo);
    dialogo.showModal();
  });
}
