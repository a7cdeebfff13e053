// The student's self-check: the result of grading the current source against a loaded exercise, case by
// case. Every verdict and every difference text comes from the module; this only lays them out.
import type { Comprobacion } from './modulo';
import { elemento, ventanaInformativa } from './dialogos';

export function muestraComprobacion(r: Comprobacion) {
  const cuerpo = elemento('tbody');
  for (const c of r.casos) {
    const fila = elemento(
      'tr',
      { class: c.superado ? 'superado' : 'fallado' },
      elemento('td', {}, c.oculto ? `${c.nombre} (oculto)` : c.nombre),
      elemento('td', {}, c.resultado),
      elemento('td', {}, `${c.puntos} / ${c.maximo}`),
    );
    cuerpo.append(fila);
    if (c.diferencias.length)
      cuerpo.append(
        elemento(
          'tr',
          { class: 'diferencias' },
          elemento(
            'td',
            { colspan: '3' },
            elemento('ul', {}, ...c.diferencias.map((d) => elemento('li', {}, d))),
          ),
        ),
      );
  }
  const tabla = elemento(
    'table',
    { class: 'tabla comprobacion' },
    elemento(
      'thead',
      {},
      elemento(
        'tr',
        {},
        elemento('th', {}, 'Caso'),
        elemento('th', {}, 'Resultado'),
        elemento('th', {}, 'Puntos'),
      ),
    ),
    cuerpo,
    elemento(
      'tfoot',
      {},
      elemento(
        'tr',
        {},
        elemento('th', { colspan: '2' }, 'Total'),
        elemento('th', {}, `${r.puntos} / ${r.maximo}`),
      ),
    ),
  );
  const contenido = elemento('div', {});
  if (r.estado === 'noMonta')
    contenido.append(
      elemento('p', {}, 'El fuente no se monta:'),
      elemento('ul', { class: 'mensajes' }, ...r.mensajesMontaje.map((m) => elemento('li', {}, m))),
    );
  else if (r.estado === 'noAbre') contenido.append(elemento('p', {}, `No se puede comprobar: ${r.error}`));
  contenido.append(tabla);
  ventanaInformativa(`Comprobación: ${r.titulo}`, contenido, 'Aceptar', 'dialogo-comprobacion');
}
