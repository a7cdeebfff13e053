// The assembler workbench: editor, templates, open/save, Montar, message list, listing and executable.
import { EditorState } from '@codemirror/state';
import { EditorView, keymap, lineNumbers, highlightActiveLine } from '@codemirror/view';
import { defaultKeymap, history, historyKeymap } from '@codemirror/commands';
import type { ModuloVelmo, ResultadoMontaje } from './modulo';
import { coloreadoVelmo, lineaError, marcaLineaError } from './lenguaje';
import { abreArchivo, descarga, guardaArchivo, type TipoArchivo } from './archivos';
import { elemento, formulario, muestraCaja, radio, ventanaInformativa } from './dialogos';

const tiposFuente: TipoArchivo[] = [
  { descripcion: 'Fuentes Velmo (*.asm, *.s)', extensiones: ['.asm', '.s'] },
];
const CLAVE_GUARDADO = 'velmo.montador';
/** A modified text that a link or an example replaced without asking, kept until the user takes it back. */
const CLAVE_ANTERIOR = 'velmo.montador.anterior';

interface Guardado {
  nombre: string;
  texto: string;
  modificado: boolean;
}

function sinExtension(nombre: string): string {
  const punto = nombre.lastIndexOf('.');
  return punto > 0 ? nombre.slice(0, punto) : nombre;
}

export class BancoMontador {
  private editor: EditorView;
  private nombre = 'SinTítulo';
  private asa: FileSystemFileHandle | null = null;
  private modificado = false;
  private versionNueva: 1 | 2 | 3 = 1;
  private ultimo: ResultadoMontaje | null = null;
  private mensajes: HTMLOListElement;
  private titulo: HTMLElement;
  private posicion: HTMLElement;
  private botonesResultado: HTMLButtonElement[] = [];
  private botonRecuperar: HTMLButtonElement;
  private barra: HTMLElement;

  constructor(
    raiz: HTMLElement,
    private readonly modulo: ModuloVelmo,
    private readonly simula: (nombre: string, ejecutable: Uint8Array) => void,
  ) {
    this.titulo = elemento('h1', { class: 'titulo-montador' });
    this.posicion = elemento('span', { class: 'posicion' });
    const barra = (this.barra = elemento('div', { class: 'barra', role: 'toolbar' }));
    const accion = (texto: string, icono: string, ayuda: string, f: () => void, clave = '') => {
      const b = elemento('button', { title: ayuda + (clave ? ` (${clave})` : '') });
      b.append(elemento('img', { src: `imagenes/iconos/${icono}.svg`, alt: '' }), texto);
      b.addEventListener('click', f);
      barra.append(b);
      return b;
    };
    accion('Nuevo', 'montador_nuevo', 'Crea un fichero fuente vacío', () => void this.nuevo());
    accion('Abrir', 'montador_abrir', 'Permite abrir un fuente guardado en disco', () => void this.abrir());
    accion('Guardar', 'montador_guardar', 'Guarda el fuente actual', () => void this.guardar(false));
    accion(
      'Guardar Como...',
      'montador_guardar',
      'Guarda el fuente actual con otro nombre',
      () => void this.guardar(true),
    );
    accion('Montar', 'montador_montar', 'Compila el fuente actual', () => this.montar(), 'Ctrl+M');
    this.botonRecuperar = accion(
      'Recuperar anterior',
      'montador_abrir',
      'Vuelve al fuente sin guardar que sustituyó un enlace o un ejemplo',
      () => this.recuperaAnterior(),
    );
    this.botonesResultado = [
      accion('Listado', 'microprograma', 'Muestra el listado del último montaje', () =>
        this.muestraListado(),
      ),
      accion('Ejecutable', 'guardar_traza', 'Descarga el ejecutable del último montaje', () =>
        this.descargaEjecutable(),
      ),
      accion('Simular', 'abrir_ejecutable', 'Abre la simulación del último montaje', () =>
        this.simulaUltimo(),
      ),
    ];

    const guardado = this.leeGuardado();
    this.editor = new EditorView({
      parent: elemento('div', { class: 'editor' }),
      state: EditorState.create({
        doc: guardado?.texto ?? modulo.plantilla(1),
        extensions: [
          lineNumbers(),
          highlightActiveLine(),
          history(),
          keymap.of([...defaultKeymap, ...historyKeymap]),
          coloreadoVelmo(modulo),
          lineaError,
          EditorView.updateListener.of((u) => {
            if (u.docChanged) {
              this.modificado = true;
              this.guardaLocal();
              this.editor.dispatch({ effects: marcaLineaError.of(-1) });
            }
            if (u.docChanged || u.selectionSet) this.actualizaEstado();
          }),
        ],
      }),
    });
    if (guardado) {
      this.nombre = guardado.nombre;
      this.modificado = guardado.modificado;
    }
    this.mensajes = elemento('ol', { class: 'mensajes', 'aria-label': 'Mensajes del montaje' });
    raiz.append(
      this.titulo,
      barra,
      this.editor.dom.parentElement!,
      this.mensajes,
      elemento('div', { class: 'pie' }, this.posicion),
    );
    raiz.addEventListener('keydown', (e) => {
      if (e.ctrlKey && (e.key === 'm' || e.key === 'M')) {
        e.preventDefault();
        this.montar();
      }
    });
    this.actualizaEstado();
  }

  /** The "Comprobar" button of a loaded exercise. */
  anadeComprobar(titulo: string, f: () => void) {
    const b = elemento('button', { title: `Comprueba el fuente actual con los casos de «${titulo}»` });
    b.append(elemento('img', { src: 'imagenes/iconos/montador_montar.svg', alt: '' }), 'Comprobar');
    b.addEventListener('click', f);
    this.barra.append(b);
  }

  get texto(): string {
    return this.editor.state.doc.toString();
  }

  /**
   * Replaces the text, as opening a file does. A link or an example (`sinPreguntar`) asks nothing, so a
   * modified text it replaces is kept aside for "Recuperar anterior".
   */
  ponTexto(nombre: string, texto: string, sinPreguntar = false) {
    if (sinPreguntar && this.modificado && this.texto !== texto) {
      const anterior: Guardado = { nombre: this.nombre, texto: this.texto, modificado: true };
      try {
        localStorage.setItem(CLAVE_ANTERIOR, JSON.stringify(anterior));
      } catch {
        // Without storage the text cannot be kept aside; the page goes on as the link asks.
      }
    }
    this.editor.dispatch({ changes: { from: 0, to: this.editor.state.doc.length, insert: texto } });
    this.nombre = nombre;
    this.asa = null;
    this.modificado = false;
    this.ultimo = null;
    this.mensajes.replaceChildren();
    this.guardaLocal();
    this.actualizaEstado();
  }

  private recuperaAnterior() {
    const anterior = this.leeGuardado(CLAVE_ANTERIOR);
    localStorage.removeItem(CLAVE_ANTERIOR);
    if (!anterior) return this.actualizaEstado();
    this.ponTexto(anterior.nombre, anterior.texto, true);
    this.modificado = true;
    this.guardaLocal();
    this.actualizaEstado();
  }

  private leeGuardado(clave = CLAVE_GUARDADO): Guardado | null {
    try {
      const g = JSON.parse(localStorage.getItem(clave) ?? 'null');
      return g && typeof g.texto === 'string' && typeof g.nombre === 'string' ? g : null;
    } catch {
      return null;
    }
  }

  private guardaLocal() {
    const g: Guardado = { nombre: this.nombre, texto: this.texto, modificado: this.modificado };
    try {
      localStorage.setItem(CLAVE_GUARDADO, JSON.stringify(g));
    } catch {
      // A full or disabled storage only loses the copy kept for a closed tab.
    }
  }

  private actualizaEstado() {
    const cursor = this.editor.state.selection.main.head;
    const linea = this.editor.state.doc.lineAt(cursor);
    this.titulo.textContent = `Montador de Velmo - [${this.nombre}]`;
    this.posicion.textContent =
      `Línea ${String(linea.number).padStart(6)}, Columna ${String(cursor - linea.from + 1).padStart(3)}` +
      (this.modificado ? '   Modificado' : '');
    this.botonRecuperar.hidden = localStorage.getItem(CLAVE_ANTERIOR) === null;
    const hayEjecutable = !!this.ultimo && this.ultimo.ejecutable.length > 0;
    this.botonesResultado[0].disabled = !this.ultimo || this.ultimo.listado.length === 0;
    this.botonesResultado[1].disabled = !hayEjecutable;
    this.botonesResultado[2].disabled = !hayEjecutable;
  }

  private async sigueSinGuardar(): Promise<boolean> {
    if (!this.modificado) return true;
    return confirm(`'${this.nombre}' ha cambiado\n\n ¿Desea guardar los cambios?`)
      ? await this.guardar(false)
      : true;
  }

  private async nuevo() {
    if (!(await this.sigueSinGuardar())) return;
    const aceptado = await formulario('Montador', (f) => {
      f.append(
        elemento('p', {}, 'Elige la versión a montar:'),
        radio('version', '1', 'VLM1 (.Ver 1)', this.versionNueva === 1),
        radio('version', '2', 'VLM1 Modif (.Ver 2)', this.versionNueva === 2),
        radio('version', '3', 'VL Microprogramable (.Ver3)', this.versionNueva === 3),
      );
      f.addEventListener('change', () => {
        this.versionNueva = Number((f.querySelector('input:checked') as HTMLInputElement).value) as 1 | 2 | 3;
      });
    });
    if (aceptado) this.ponTexto('SinTítulo', this.modulo.plantilla(this.versionNueva));
  }

  private async abrir() {
    if (!(await this.sigueSinGuardar())) return;
    const archivo = await abreArchivo(tiposFuente);
    if (!archivo) return;
    const { texto, esTexto, demasiadoGrande } = this.modulo.textoFuente(archivo.bytes);
    if (!esTexto && !demasiadoGrande) {
      await muestraCaja({
        texto: `'${archivo.nombre}' no es un fichero de texto.`,
        titulo: 'Montador',
        icono: 'error',
      });
      return;
    }
    this.ponTexto(archivo.nombre, texto);
    this.asa = archivo.asa;
  }

  /** Returns false when the user cancelled the save. */
  private async guardar(conOtroNombre: boolean): Promise<boolean> {
    const nombre = this.nombre === 'SinTítulo' ? 'SinTítulo.asm' : this.nombre;
    const asa = await guardaArchivo(nombre, this.texto, tiposFuente, conOtroNombre ? null : this.asa);
    if (asa === undefined) return false;
    if (asa) {
      this.asa = asa;
      this.nombre = asa.name;
    }
    this.modificado = false;
    this.guardaLocal();
    this.actualizaEstado();
    return true;
  }

  montar(): ResultadoMontaje {
    const texto = this.texto;
    const conFinal = this.modulo.conLineaFinal(texto);
    if (conFinal !== texto) {
      this.editor.dispatch({ changes: { from: 0, to: this.editor.state.doc.length, insert: conFinal } });
    }
    const resultado = this.modulo.montar(conFinal, `${sinExtension(this.nombre)}.vlx`);
    this.ultimo = resultado;
    this.mensajes.replaceChildren(
      ...resultado.mensajes.map((m) => {
        const li = elemento('li', { class: `mensaje-${m.clase}` }, m.texto);
        if (m.linea > 0) {
          li.tabIndex = 0;
          li.title = `Ir a la línea ${m.linea}`;
          li.addEventListener('click', () => this.irALinea(m.linea));
          li.addEventListener('keydown', (e) => e.key === 'Enter' && this.irALinea(m.linea));
        }
        return li;
      }),
    );
    this.editor.dispatch({ effects: marcaLineaError.of(resultado.lineaPrimerError) });
    if (resultado.lineaPrimerError > 0) this.irALinea(resultado.lineaPrimerError);
    this.actualizaEstado();
    void (async () => {
      for (const caja of resultado.cajas) await muestraCaja(caja);
    })();
    return resultado;
  }

  irALinea(n: number) {
    const doc = this.editor.state.doc;
    if (n < 1 || n > doc.lines) return;
    const linea = doc.line(n);
    this.editor.dispatch({ selection: { anchor: linea.from }, scrollIntoView: true });
    this.editor.focus();
  }

  private muestraListado() {
    if (!this.ultimo) return;
    const texto = new TextDecoder().decode(this.ultimo.listado).replace(/\r\n/g, '\n');
    const pre = elemento('pre', { class: 'listado' }, texto);
    const d = ventanaInformativa(`Listado - ${sinExtension(this.nombre)}.vlx.txt`, pre, 'Cerrar', 'ancha');
    const bajar = elemento('button', {}, 'Descargar');
    bajar.addEventListener('click', () =>
      descarga(`${sinExtension(this.nombre)}.vlx.txt`, this.ultimo!.listado, 'text/plain'),
    );
    d.querySelector('.botones')!.prepend(bajar);
  }

  private descargaEjecutable() {
    if (this.ultimo?.ejecutable.length) descarga(`${sinExtension(this.nombre)}.vlx`, this.ultimo.ejecutable);
  }

  private simulaUltimo() {
    if (this.ultimo?.ejecutable.length)
      this.simula(`${sinExtension(this.nombre)}.vlx`, this.ultimo.ejecutable);
  }
}
