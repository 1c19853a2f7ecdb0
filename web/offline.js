// A second visit plays without a network: the service worker keeps the
// page's files, under a name that changes with each build.
(function() {
'use strict';

if ('serviceWorker' in navigator && window.isSecureContext) {
  navigator.serviceWorker.register('service_worker.js').catch(
      (error) => console.warn('ridgeline: no offline play:', error.message));
}
})();
