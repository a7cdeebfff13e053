// Modal windows of the page: message boxes, yes/no questions and small forms, on the <dialog> element.
import type { Caja } from './modulo';

const iconos: Record<Caja['icono'], string> = { error: '×', aviso: '!', informacion: 'i', pregunta: '?' };

function creaDialogo(
  titulo: string,
  clase = '',
): { dialogo: HTMLDialogElement; cuerpo: HTMLElement; botones: HTMLElement } {
  const dialogo = document.createElement('dialog');
  dialogo.className = `ventana ${clase}`;
  const cabecera = document.createElement('h2');
  cabecera.textContent = titulo;
  const cuerpo = document.createElement('div');
  cuerpo.className = 'cuerpo';
  const botones = document.createElement('div');
  botones.className = 'botones';
  dialogo.append(cabecera, cuerpo, botones);
  document.body.append(dialogo);
  dialogo.addEventListener('close', () => dialogo.remove());
  return { dialogo, cuerpo, botones };
}

function boton(texto: string, accion: () => void): HTMLButtonElement {
  const b = document.createElement('button');
  b.textContent = texto;
  b.addEventListener('click', accion);
  return b;
}

/** The desktop's message box: text with CR LF breaks, a caption and an icon. */
export function muestraCaja(caja: Caja): Promise<void> {
  return new Promise((resolver) => {
    const { dialogo, cuerpo, botones } = creaDialogo(caja.titulo, 'caja');
    dialogo.dataset.icono = caja.icono;
    const icono = document.createElement('span');
    icono.className = `icono ${caja.icono}`;
    icono.textContent = iconos[caja.icono];
    const texto = document.createElement('p');
    texto.textContent = caja.texto.replace(/\r\n/g, '\n');
    cuerpo.append(icono, texto);
    const aceptar = boton('Aceptar', () => dialogo.close());
    botones.append(aceptar);
    dialogo.addEventListener('close', () => resolver());
    dialogo.showModal();
    aceptar.focus();
  });
}

let cola: Promise<void> = Promise.resolve();
/** Boxes raised inside a synchronous call of the module are shown one after another once it returns. */
export function encolaCaja(caja: Caja) {
  cola = cola.then(() => muestraCaja(caja));
}
export function cajasPendientes(): Promise<void> {
  return cola;
}

/** A form dialog: `construye` fills the body; resolves with true on "Aceptar", false on "Cancelar"/Escape. */
export function formulario(
  titulo: string,
  construye: (cuerpo: HTMLElement) => void,
  conCancelar = true,
): Promise<boolean> {
  return new Promise((resolver) => {
    const { dialogo, cuerpo, botones } = creaDialogo(titulo);
    const forma = document.createElement('form');
    forma.method = 'dialog';
    construye(forma);
    cuerpo.append(forma);
    let aceptado = false;
    const aceptar = boton('Aceptar', () => {
      aceptado = true;
      dialogo.close();
    });
    aceptar.type = 'submit';
    forma.addEventListener('submit', (e) => {
      e.preventDefault();
      aceptado = true;
      dialogo.close();
    });
    botones.append(aceptar);
    if (conCancelar) botones.append(boton('Cancelar', () => dialogo.close()));
    dialogo.addEventListener('close', () => resolver(aceptado));
    dialogo.showModal();
    (forma.querySelector('input:checked, input') as HTMLElement | null)?.focus();
  });
}

/** A window that only shows something (a picture, a help text) and closes with "Volver". */
export function ventanaInformativa(
  titulo: string,
  contenido: Node,
  textoBoton = 'Volver',
  clase = '',
): HTMLDialogElement {
  const { dialogo, cuerpo, botones } = creaDialogo(titulo, clase);
  cuerpo.append(contenido);
  botones.append(boton(textoBoton, () => dialogo.close()));
  dialogo.showModal();
  return dialogo;
}

export function radio(nombre: string, valor: string, texto: string, marcado = false): HTMLLabelElement {
  const etiqueta = document.createElement('label');
  const entrada = document.createElement('input');
  entrada.type = 'radio';
  entrada.name = nombre;
  entrada.value = valor;
  entrada.checked = marcado;
  etiqueta.append(entrada, ' ', texto);
  return etiqueta;
}

export function elemento<K extends keyof HTMLElementTagNameMap>(
  etiqueta: K,
  atributos: Record<string, string> = {},
  ...hijos: (Node | string)[]
): HTMLElementTagNameMap[K] {
  const e = document.createElement(etiqueta);
  for (const [clave, valor] of Object.entries(atributos)) e.setAttribute(clave, valor);
  e.append(...hijos);
  return e;
}

/** Opens one of the manuals of the site ('simulador.html', 'montador.html') beside the page. */
export function abreAyuda(pagina: string) {
  window.open(new URL(`ayuda/${pagina}`, document.baseURI).href, '_blank', 'noopener');
}
